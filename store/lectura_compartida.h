#pragma once

#include "store/base_datos.h"

#include <memory>

namespace store {

struct Contexto;

// A second connection to the store of `base` that reads exactly what `base`
// reads: while the object lives both hold read transactions begun on the
// same committed state, so no other program can commit in between and every
// statement on either connection sees the same rows. The second connection
// may be used from another thread (not at the same time as from this one).
class LecturaCompartida {
public:
    // Opens the second connection into `segundo.Conexion`; `segundo` must
    // outlive the object. nullptr when `base` has to read alone: it has a
    // write transaction of its own open (whose rows only it sees), its file
    // was replaced under it, or the store keeps a write-ahead log (whose
    // readers may see different states). Throws Error when another program
    // holds the store too long.
    static std::unique_ptr<LecturaCompartida> abrir(BaseDatos& base, Contexto& segundo);

private:
    LecturaCompartida() = default;

    std::unique_ptr<TransaccionLectura> propia_;
    std::unique_ptr<TransaccionLectura> deLaSegunda_;
};

} // namespace store
