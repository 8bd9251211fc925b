#include "isis/carga/escritura_presta.h"

#include "isis/carga/progreso_carga.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/esquema.h"

namespace carga {

void EscribirPresta(store::Contexto& ctx, const TablaCarga& tabla, ProgresoCarga& progreso) {
    store::BaseDatos& base = *ctx.Conexion;
    store::Transaccion transaccion(base);
    // The indexes are built once after the bulk insert instead of row by row.
    store::borrarIndicesPresta(base);
    store::EjecutarConsulta(ctx, "DELETE FROM presta");
    auto filas = store::EjecutarConsulta(ctx, "SELECT * FROM presta;", store::adOpenDynamic,
                                         store::adLockPessimistic);
    progreso.etiqueta("Cargando datos a la base");
    for (const FilaCarga& fila : tabla) {
        filas->agregarNuevo();
        for (std::size_t c = 0; c < store::ColumnasPresta.size(); ++c) {
            if (!fila.valores[c].empty()) {
                filas->fijar(store::ColumnasPresta[c], fila.valores[c]);
            }
        }
        filas->actualizar();
        progreso.avanzar();
    }
    filas.reset();
    store::crearIndicesPresta(base);
    store::actualizarEstadisticasPresta(base);
    progreso.completar();
    transaccion.confirmar();
}

} // namespace carga
