#include "isis/carga/escritura_carga.h"

#include "isis/carga/canal_carga.h"
#include "isis/carga/progreso_carga.h"
#include "store/almacen.h"
#include "store/contexto.h"
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

// Appends one row per entry as the reading makes it final, an empty value as
// NULL; `alEscribir` hears how many rows went in.
template <typename Fila, std::size_t N, typename Aviso>
void Anexar(store::Contexto& ctx, const std::string& tabla,
            const std::array<const char*, N>& columnas, const std::vector<Fila>& filas,
            CanalCarga& canal, CanalCarga::Tabla cual, Aviso alEscribir) {
    auto anexador = store::EjecutarConsulta(ctx, "SELECT * FROM " + tabla + ";",
                                            store::adOpenDynamic, store::adLockPessimistic);
    std::array<int, N> posiciones{};
    for (std::size_t c = 0; c < N; ++c) {
        posiciones[c] = anexador->indice(columnas[c]);
    }
    std::size_t escritas = 0;
    for (;;) {
        const CanalCarga::Avance avance = canal.esperar(cual, escritas);
        // The reader appends within the capacity it reserved: the rows
        // already final never move.
        const Fila* fila = filas.data() + escritas;
        for (std::size_t i = escritas; i < avance.listas; ++i, ++fila) {
            anexador->agregarNuevo();
            for (std::size_t c = 0; c < N; ++c) {
                if (!fila->valores[c].empty()) {
                    anexador->fijar(posiciones[c], fila->valores[c]);
                }
            }
            anexador->actualizar();
        }
        alEscribir(static_cast<int>(avance.listas - escritas));
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
    store::Transaccion transaccion(base);
    // The indexes are built once after the bulk insert instead of row by row.
    store::borrarIndicesPresta(base);
    store::borrarIndicesInformes(base);
    // Emptied while the loans are still being read.
    for (const char* tabla : {"presta", "usuarios", "ejemplares"}) {
        store::EjecutarConsulta(ctx, std::string("DELETE FROM ") + tabla);
    }
    // The bar's label moves on when the first rows are there to write.
    canal.esperar(CanalCarga::Prestamos, 0);
    ProgresoCarga& progreso = pasos.progreso();
    progreso.etiqueta("Cargando datos a la base");
    // The write's share of the bar (one step per loan) is spread over its
    // parts as they take time: presta's rows and its indexes two fifths
    // each, the reports' tables the rest; the bar keeps moving throughout.
    // The reader reserved every row of presta before the bases opened.
    const auto prestamos = static_cast<std::int64_t>(datos.prestamos.capacity());
    const int parte = static_cast<int>(prestamos) / 5;
    TramoProgreso filasPresta(pasos, 2 * parte, prestamos);
    Anexar(ctx, "presta", store::ColumnasPresta, datos.prestamos, canal, CanalCarga::Prestamos,
           [&filasPresta](int nuevas) { filasPresta.avanzar(nuevas); });
    // One step of the bar's margin: the window hears that the rows are in.
    pasos.sumar(1);
    TramoProgreso indices(pasos, 2 * parte, store::IndicesPresta);
    store::crearIndicesPresta(base, [&indices] { indices.avanzar(); });
    progreso.etiqueta("Cargando socios y ejemplares a la base");
    // Each table, then its index.
    TramoProgreso informes(pasos, parte, 3);
    Anexar(ctx, "usuarios", store::ColumnasUsuarios, datos.usuarios, canal, CanalCarga::Usuarios,
           [](int) {});
    informes.avanzar();
    Anexar(ctx, "ejemplares", store::ColumnasEjemplares, datos.ejemplares, canal,
           CanalCarga::Ejemplares, [](int) {});
    informes.avanzar();
    store::crearIndicesInformes(base);
    informes.avanzar();
    store::actualizarEstadisticasPresta(base);
    progreso.completar();
    transaccion.confirmar();
}

} // namespace carga
