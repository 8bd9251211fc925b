#include "isis/carga/escritura_carga.h"

#include "isis/carga/progreso_carga.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/esquema.h"

namespace carga {

namespace {

// Empties the table and appends one row per entry, an empty value as NULL;
// `alEscribir` follows every row.
template <typename Fila, std::size_t N, typename Aviso>
void Reemplazar(store::Contexto& ctx, const std::string& tabla,
                const std::array<const char*, N>& columnas, const std::vector<Fila>& filas,
                Aviso alEscribir) {
    store::EjecutarConsulta(ctx, "DELETE FROM " + tabla);
    auto anexador = store::EjecutarConsulta(ctx, "SELECT * FROM " + tabla + ";",
                                            store::adOpenDynamic, store::adLockPessimistic);
    for (const Fila& fila : filas) {
        anexador->agregarNuevo();
        for (std::size_t c = 0; c < N; ++c) {
            if (!fila.valores[c].empty()) {
                anexador->fijar(columnas[c], fila.valores[c]);
            }
        }
        anexador->actualizar();
        alEscribir();
    }
}

} // namespace

void EscribirCarga(store::Contexto& ctx, const DatosCarga& datos, ProgresoCarga& progreso) {
    store::BaseDatos& base = *ctx.Conexion;
    store::Transaccion transaccion(base);
    // The indexes are built once after the bulk insert instead of row by row.
    store::borrarIndicesPresta(base);
    store::borrarIndicesInformes(base);
    progreso.etiqueta("Cargando datos a la base");
    Reemplazar(ctx, "presta", store::ColumnasPresta, datos.prestamos,
               [&progreso] { progreso.avanzar(); });
    progreso.etiqueta("Cargando socios y ejemplares a la base");
    Reemplazar(ctx, "usuarios", store::ColumnasUsuarios, datos.usuarios, [] {});
    Reemplazar(ctx, "ejemplares", store::ColumnasEjemplares, datos.ejemplares, [] {});
    // One step of the bar's margin: the window hears that the rows are in.
    progreso.avanzar();
    store::crearIndicesPresta(base);
    store::crearIndicesInformes(base);
    store::actualizarEstadisticasPresta(base);
    progreso.completar();
    transaccion.confirmar();
}

} // namespace carga
