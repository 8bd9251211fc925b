#include "store/copia_tablas.h"

#include "core/error.h"
#include "store/base_datos.h"

#include <sqlite3.h>

namespace store {

BaseSerializada::BaseSerializada(BaseDatos& base) {
    sqlite3_int64 tamano = 0;
    bytes_.reset(sqlite3_serialize(base.manejador(), "main", &tamano, 0));
    if (!bytes_) {
        throw core::Error(core::Error::ErrorBaseDatos, "Memoria insuficiente");
    }
    tamano_ = static_cast<std::size_t>(tamano);
}

void BaseSerializada::Liberar::operator()(unsigned char* bytes) const {
    sqlite3_free(bytes);
}

namespace {

constexpr const char* Esquema = "copia";

} // namespace

CopiaAdjunta::~CopiaAdjunta() {
    // Nothing is left to report by then: a detach that fails leaves only a
    // database in memory beside the connection, which goes with it.
    if (adjunta_) {
        sqlite3_exec(base_.manejador(), (std::string("DETACH ") + Esquema).c_str(), nullptr,
                     nullptr, nullptr);
    }
}

void CopiaAdjunta::copiar(const BaseSerializada& copia, std::initializer_list<std::string> tablas) {
    // Attached here rather than before the transaction began: beginning it
    // may open the connection again.
    if (!adjunta_) {
        base_.ejecutar(std::string("ATTACH ':memory:' AS ") + Esquema);
        adjunta_ = true;
    }
    // Read-only: the engine neither frees nor grows bytes that are not its own.
    const auto tamano = static_cast<sqlite3_int64>(copia.tamano());
    if (sqlite3_deserialize(base_.manejador(), Esquema, copia.bytes(), tamano, tamano,
                            SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
        base_.fallar();
    }
    for (const std::string& tabla : tablas) {
        base_.ejecutar("INSERT INTO main." + tabla + " SELECT * FROM " + Esquema + "." + tabla);
    }
}

} // namespace store
