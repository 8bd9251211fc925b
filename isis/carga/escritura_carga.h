#pragma once

#include "isis/carga/tabla_carga.h"

namespace store {
struct Contexto;
}

namespace carga {

class CanalCarga;
class ProgresoCarga;

// The steps a write has moved the bar by, to take them back when it starts
// again in a new store.
class PasosEscritura {
public:
    explicit PasosEscritura(ProgresoCarga& progreso) : progreso_(progreso) {}
    void sumar(int pasos);
    void deshacer();
    ProgresoCarga& progreso() { return progreso_; }

private:
    ProgresoCarga& progreso_;
    int dados_ = 0;
};

// Replaces presta, usuarios and ejemplares with what the run reads, each row
// through the store's appender, all in one transaction: on any failure
// (the reading's included, which `canal` passes on) the three tables keep
// their previous content. Rows are written as the reading makes them final
// (`canal`); presta's indexes are built while the reports' tables are still
// being read. The store must be open (ctx.Conexion).
void EscribirCarga(store::Contexto& ctx, const DatosCarga& datos, CanalCarga& canal,
                   PasosEscritura& pasos);

} // namespace carga
