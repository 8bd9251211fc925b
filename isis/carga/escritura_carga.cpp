#include "isis/carga/escritura_carga.h"

#include "isis/carga/anexo_filas.h"
#include "isis/carga/canal_carga.h"
#include "isis/carga/progreso_carga.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/copia_tablas.h"
#include "store/esquema.h"

namespace carga {

void PasosEscritura::sumar(int pasos) {
    progreso_.sumar(pasos);
    dados_ += pasos;
}

void PasosEscritura::deshacer() {
    progreso_.sumar(-dados_);
    dados_ = 0;
}

namespace {

// Appends one row of presta per loan as the reading makes it final;
// `filasPresta` walks the bar through them.
void AnexarPresta(store::Contexto& ctx, const TablaCarga& filas, CanalCarga& canal,
                  TramoProgreso<PasosEscritura>& filasPresta) {
    AnexoFilas anexo(store::EjecutarConsulta(ctx, "SELECT * FROM presta;", store::adOpenDynamic,
                                             store::adLockPessimistic),
                     store::ColumnasPresta);
    std::size_t escritas = 0;
    for (;;) {
        const CanalCarga::Avance avance = canal.esperar(escritas);
        // The reader appends within the capacity it reserved: the rows
        // already final never move.
        anexo.anexar(filas.data() + escritas, filas.data() + avance.listas);
        filasPresta.avanzar(static_cast<std::int64_t>(avance.listas - escritas));
        escritas = avance.listas;
        if (avance.completa) {
            return;
        }
    }
}

} // namespace

void EscribirCarga(store::Contexto& ctx, const DatosCarga& datos, CanalCarga& canal,
                   PasosEscritura& pasos) {
    store::BaseDatos& base = *ctx.Conexion;
    // Beside the transaction, and gone only after it.
    store::CopiaAdjunta copia(base);
    store::Transaccion transaccion(base);
    // The indexes are built once after the bulk insert instead of row by row.
    store::borrarIndicesPresta(base);
    store::borrarIndicesInformes(base);
    // Emptied while the loans are still being read.
    for (const char* tabla : {"presta", "usuarios", "ejemplares"}) {
        store::EjecutarConsulta(ctx, std::string("DELETE FROM ") + tabla);
    }
    // The bar's label moves on when the first rows are there to write.
    canal.esperar(0);
    ProgresoCarga& progreso = pasos.progreso();
    progreso.etiqueta("Cargando datos a la base");
    // The write's share of the bar (one step per loan) is spread over its
    // parts as they take time: presta's rows and its indexes two fifths
    // each, the reports' tables the rest; the bar keeps moving throughout.
    // The reader reserved every row of presta before the bases opened.
    const auto prestamos = static_cast<std::int64_t>(datos.prestamos.capacity());
    const int parte = static_cast<int>(prestamos) / 5;
    TramoProgreso filasPresta(pasos, 2 * parte, prestamos);
    AnexarPresta(ctx, datos.prestamos, canal, filasPresta);
    // One step of the bar's margin: the window hears that the rows are in.
    pasos.sumar(1);
    TramoProgreso indices(pasos, 2 * parte, store::IndicesPresta);
    store::crearIndicesPresta(base, [&indices] { indices.avanzar(); });
    progreso.etiqueta("Cargando socios y ejemplares a la base");
    // Both tables whole, as the reader wrote them meanwhile, then their index.
    TramoProgreso informes(pasos, parte, 2);
    copia.copiar(canal.esperarInformes(), {"usuarios", "ejemplares"});
    informes.avanzar();
    store::crearIndicesInformes(base);
    informes.avanzar();
    store::actualizarEstadisticasPresta(base);
    progreso.completar();
    transaccion.confirmar();
}

} // namespace carga
