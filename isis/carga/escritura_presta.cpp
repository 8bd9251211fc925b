#include "isis/carga/escritura_presta.h"

#include "isis/carga/progreso_carga.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/esquema.h"

void EscribirPresta(Contexto& ctx, const TablaCarga& tabla, ProgresoCarga& progreso) {
    BaseDatos& base = *ctx.Conexion;
    Transaccion transaccion(base);
    // The indexes are built once after the bulk insert instead of row by row.
    borrarIndicesPresta(base);
    ctx.TextoSql = "DELETE FROM presta";
    EjecutarConsulta(ctx, ctx.TextoSql, adOpenForwardOnly, adLockReadOnly);
    ctx.TextoSql = "SELECT * FROM presta;";
    auto filas = EjecutarConsulta(ctx, ctx.TextoSql, adOpenDynamic, adLockPessimistic);
    progreso.etiqueta("Cargando datos a la base");
    for (const FilaCarga& fila : tabla) {
        filas->agregarNuevo();
        for (std::size_t c = 0; c < ColumnasPresta.size(); ++c) {
            if (!fila.valores[c].empty()) {
                filas->fijar(ColumnasPresta[c], fila.valores[c]);
            }
        }
        filas->actualizar();
        progreso.avanzar();
    }
    filas.reset();
    crearIndicesPresta(base);
    actualizarEstadisticasPresta(base);
    progreso.completar();
    transaccion.confirmar();
}
