#include "store/lectura_compartida.h"

#include "core/descripcion_error.h"
#include "core/error.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace store {

namespace {

bool conDiarioWal(BaseDatos& base) {
    Sentencia modo(base, "PRAGMA journal_mode");
    return modo.paso() && modo.valor(0) == "wal";
}

} // namespace

std::unique_ptr<LecturaCompartida> LecturaCompartida::abrir(BaseDatos& base, Contexto& segundo) {
    if (base.enTransaccion() || base.seMovio() || conDiarioWal(base)) {
        return nullptr;
    }
    std::unique_ptr<LecturaCompartida> l(new LecturaCompartida);
    segundo.Conexion = std::make_unique<BaseDatos>(base.ruta(), segundo.reloj);
    AjustarParaLeer(*segundo.Conexion);
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(EsperaPorOtroPrograma);
    for (;;) {
        // While this read transaction lasts no other program can commit.
        l->propia_ = std::make_unique<TransaccionLectura>(base);
        // The second begins on the same state, unless another program is
        // already waiting to commit: it then keeps new readers out until
        // the first one lets go. Let it through and begin both again.
        l->deLaSegunda_ = TransaccionLectura::sinEsperar(*segundo.Conexion);
        if (l->deLaSegunda_) {
            return l;
        }
        l->propia_.reset();
        if (std::chrono::steady_clock::now() > limite) {
            throw core::Error(core::Error::ErrorBaseDatos,
                              core::descripcionDelMotor(SQLITE_BUSY, 0, "", base.ruta()));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace store
