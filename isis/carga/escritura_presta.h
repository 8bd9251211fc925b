#pragma once

#include "isis/carga/tabla_carga.h"

namespace store {
struct Contexto;
}

namespace carga {

class ProgresoCarga;

// Empties presta and writes one row per entry of the table through the store's
// appender, all in one transaction: on any failure presta keeps its previous
// content. The store must be open (ctx.Conexion).
void EscribirPresta(store::Contexto& ctx, const TablaCarga& tabla, ProgresoCarga& progreso);

} // namespace carga
