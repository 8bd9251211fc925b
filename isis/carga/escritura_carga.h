#pragma once

#include "isis/carga/tabla_carga.h"

namespace store {
struct Contexto;
}

namespace carga {

class ProgresoCarga;

// Replaces presta, usuarios and ejemplares with what the run read, each row
// through the store's appender, all in one transaction: on any failure the
// three tables keep their previous content. The store must be open
// (ctx.Conexion).
void EscribirCarga(store::Contexto& ctx, const DatosCarga& datos, ProgresoCarga& progreso);

} // namespace carga
