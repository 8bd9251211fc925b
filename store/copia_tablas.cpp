#include "store/copia_tablas.h"

#include "core/error.h"
#include "store/base_datos.h"

#include <sqlite3.h>

#include <cstring>
#include <memory>

namespace store {

namespace {

constexpr const char* Esquema = "copia";

} // namespace

BaseSerializada serializar(BaseDatos& base) {
    sqlite3_int64 tamano = 0;
    const std::unique_ptr<unsigned char, decltype(&sqlite3_free)> bytes(
        sqlite3_serialize(base.manejador(), "main", &tamano, 0), &sqlite3_free);
    if (!bytes) {
        throw core::Error(core::Error::ErrorBaseDatos, "Memoria insuficiente");
    }
    return BaseSerializada(bytes.get(), bytes.get() + tamano);
}

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
    // The engine takes the bytes over and frees them when the schema goes.
    auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(copia.size()));
    if (bytes == nullptr) {
        throw core::Error(core::Error::ErrorBaseDatos, "Memoria insuficiente");
    }
    std::memcpy(bytes, copia.data(), copia.size());
    const auto tamano = static_cast<sqlite3_int64>(copia.size());
    if (sqlite3_deserialize(base_.manejador(), Esquema, bytes, tamano, tamano,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) !=
        SQLITE_OK) {
        base_.fallar();
    }
    for (const std::string& tabla : tablas) {
        base_.ejecutar("INSERT INTO main." + tabla + " SELECT * FROM " + Esquema + "." + tabla);
    }
}

} // namespace store
