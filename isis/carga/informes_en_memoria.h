#pragma once

#include "isis/carga/tabla_carga.h"
#include "store/copia_tablas.h"

namespace carga {

// The reports' tables (usuarios, ejemplares) of a run, written into a
// database in memory by the reading thread, which has nothing else to do
// while the writer builds presta's indexes: the writer then copies them
// whole instead of inserting their rows one by one.
store::BaseSerializada EscribirInformesEnMemoria(const DatosCarga& datos);

} // namespace carga
