#pragma once

#include "isis/carga/tabla_carga.h"

#include <string>

namespace isis {
class ModuloIsis;
}

namespace carga {

class CanalCarga;
class ProgresoCarga;

// The three ISIS databases of a load run, as full master file paths.
struct RutasCarga {
    std::string presta;
    std::string usuarios;
    std::string marc;
};

// Reads every loan that names a member (field 20) and completes it with its
// member and catalogue record; then, for the reports, every active member
// with field 20 and every copy ("I:" key) of the catalogue. `hoy` is today as
// "yyyymmdd", for the suspension. Fills `datos` in place, telling `canal`
// as each table's rows become final (and the failure, if any, which it also
// throws). The ISIS spaces are deleted before it returns, failures included.
void LeerDatosCarga(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
                    ProgresoCarga& progreso, DatosCarga& datos, CanalCarga& canal);

} // namespace carga
