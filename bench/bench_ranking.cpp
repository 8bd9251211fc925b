// A ranking refresh (statement, rows, text list and chart data) on a presta
// of 100 000 loans, 20 000 members and 60 000 titles.
#include "core/reloj.h"
#include "reports/grafico_ranking.h"
#include "reports/listas_clasificacion.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "store/contexto.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

constexpr int Prestamos = 100000;

struct Almacen {
    Almacen() : carpeta(crearCarpeta()), ctx(carpeta, reloj) {
        store::AbrirBaseDatos(ctx);
        llenar();
        ctx.TotalPrestamos = Prestamos;
    }
    ~Almacen() {
        ctx.Conexion.reset();
        std::filesystem::remove_all(carpeta);
    }

    static std::string crearCarpeta() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        if (mkdtemp(plantilla.data()) == nullptr) {
            std::abort();
        }
        return plantilla;
    }

    void llenar() {
        std::mt19937 azar(42);
        // A few members and titles borrow far more than the rest.
        std::geometric_distribution<int> socio(1.0 / 4000), libro(1.0 / 15000);
        std::uniform_int_distribution<int> dia(1, 700);
        const auto& tipos = reports::listas::TiposUsuario();
        const auto& temas = reports::listas::Tematicas();
        store::Transaccion t(*ctx.Conexion);
        store::Sentencia insercion(
            *ctx.Conexion, "INSERT INTO presta (dni, nombre, apellido, grado, tipo_usu, titulo, "
                           "tematica, autor, fecha_presta) VALUES (?,?,?,?,?,?,?,?,?)");
        for (int i = 0; i < Prestamos; ++i) {
            const int s = socio(azar) % 20000;
            const int l = libro(azar) % 60000;
            const auto dni = std::to_string(20000000 + s);
            insercion.reiniciar();
            insercion.enlazar(1, dni);
            insercion.enlazar(2, "Nombre " + std::to_string(s % 500));
            insercion.enlazar(3, "Apellido " + std::to_string(s % 1500));
            insercion.enlazar(4, std::to_string(10 + s % 70));
            insercion.enlazar(5, tipos[static_cast<std::size_t>(1 + s % 6)]);
            insercion.enlazar(6, "Título número " + std::to_string(l));
            insercion.enlazar(7, temas[static_cast<std::size_t>(1 + l % 60)]);
            insercion.enlazar(8, "Autor " + std::to_string(l % 9000));
            insercion.enlazar(9, core::textoAAAAMMDD(core::sumarDias(
                                     core::Fecha{std::chrono::year{2023}, std::chrono::month{3},
                                                 std::chrono::day{1}},
                                     dia(azar))));
            insercion.paso();
        }
        t.confirmar();
    }

    std::string carpeta;
    core::Reloj reloj;
    store::Contexto ctx;
};

Almacen& almacen() {
    static Almacen a;
    return a;
}

reports::ranking::Marcas marcas(int agrupacion, std::initializer_list<int> marcadas) {
    reports::ranking::Casillas c;
    reports::ranking::AjustarCasillas(agrupacion, c);
    for (int i : marcadas) {
        c[static_cast<std::size_t>(i)].marcada = true;
    }
    reports::ranking::FijarCasillaPropia(agrupacion, c);
    return reports::ranking::MarcasDe(c);
}

// Whether each refresh finds the store just written (a load drops the
// results the connection keeps) or asks again what it asked before.
enum class Memoria { RecienCargada, ConLoAnterior };

void refrescar(benchmark::State& estado, int agrupacion, const reports::ranking::Marcas& m,
               const reports::EstadoFiltros& filtros, Memoria memoria = Memoria::RecienCargada) {
    store::Contexto& ctx = almacen().ctx;
    const reports::ranking::Presentacion p{true, ctx.TotalPrestamos, ","};
    reports::ranking::DatosGrafico grafico;
    for (auto _ : estado) {
        if (memoria == Memoria::RecienCargada) {
            estado.PauseTiming();
            ctx.Conexion->ejecutar("UPDATE presta SET dni = dni WHERE rowid = 1");
            estado.ResumeTiming();
        }
        const reports::ranking::Ranking r =
            reports::ranking::EjecutarRanking(ctx, agrupacion, m, filtros, 5);
        benchmark::DoNotOptimize(reports::ranking::TextoLista(r, p));
        benchmark::DoNotOptimize(reports::ranking::Graficar(grafico, r, p));
    }
}

void BM_RefrescoRanking(benchmark::State& estado) {
    const int agrupacion = static_cast<int>(estado.range(0));
    refrescar(estado, agrupacion, marcas(agrupacion, {}), {});
}
BENCHMARK(BM_RefrescoRanking)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Members with every column and the three lists and a period chosen.
void BM_RefrescoRankingFiltrado(benchmark::State& estado) {
    reports::EstadoFiltros f;
    f.tipoUsuario = 1;
    f.grado = 6;
    f.tematica = 29;
    f.desde = core::Fecha{std::chrono::year{2023}, std::chrono::month{6}, std::chrono::day{1}};
    f.hasta = core::Fecha{std::chrono::year{2024}, std::chrono::month{6}, std::chrono::day{1}};
    refrescar(estado, reports::ranking::PorUsuario, marcas(reports::ranking::PorUsuario, {1, 2, 3}),
              f);
}
BENCHMARK(BM_RefrescoRankingFiltrado)->Unit(benchmark::kMillisecond);

// Every column of a grade ranking, the largest group-by.
void BM_RefrescoRankingGradoCompleto(benchmark::State& estado) {
    refrescar(estado, reports::ranking::PorGrado,
              marcas(reports::ranking::PorGrado, {0, 1, 3, 4, 5, 6}), {});
}
BENCHMARK(BM_RefrescoRankingGradoCompleto)->Unit(benchmark::kMillisecond);

// The same refresh again, as another bar count or the % button asks for it.
void BM_RefrescoRankingGradoCompletoRepetido(benchmark::State& estado) {
    refrescar(estado, reports::ranking::PorGrado,
              marcas(reports::ranking::PorGrado, {0, 1, 3, 4, 5, 6}), {}, Memoria::ConLoAnterior);
}
BENCHMARK(BM_RefrescoRankingGradoCompletoRepetido)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
