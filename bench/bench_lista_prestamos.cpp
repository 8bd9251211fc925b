// A loan list of 100 000 rows into the grid: statement, query and fill.
#include "core/reloj.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "store/contexto.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int Prestamos = 100000;

double residenteMB() {
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long residente = 0;
    statm >> total >> residente;
    return static_cast<double>(residente) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

std::string texto(const char* prefijo, int n) {
    return prefijo + std::to_string(n);
}

// A store of realistic-looking loans in a fresh temporary folder.
struct Almacen {
    Almacen() : ctx(carpeta(), reloj) {
        store::AbrirBaseDatos(ctx);
        store::Transaccion t(*ctx.Conexion);
        store::Sentencia insercion(
            *ctx.Conexion, "INSERT INTO presta (dni, legajo, nombre, apellido, grado, tipo_usu, "
                           "titulo, tematica, autor, inventario, fecha_presta, fecha_devolucion, "
                           "devuelto, nro_renovaciones) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (int i = 0; i < Prestamos; ++i) {
            const int socio = i % 20000;
            const std::string dia = std::to_string(20230301 + (i % 28));
            const std::optional<std::string> valores[] = {
                texto("2", 10000000 + socio),
                texto("", socio),
                "Nombre",
                texto("Apellido ", socio),
                texto("", 11 + socio % 7),
                socio % 10 ? "Alumno" : "Docente",
                texto("Un título de libro bastante largo número ", i % 60000),
                "LITERATURA - CUENTOS",
                texto("Autor ", i % 5000),
                texto("INV", i),
                dia,
                std::to_string(20230310 + (i % 20)),
                i % 3 ? std::optional<std::string>(dia) : std::nullopt,
                i % 7 ? std::nullopt : std::optional<std::string>("1")};
            for (int k = 0; k < 14; ++k) {
                insercion.enlazar(k + 1, valores[k]);
            }
            insercion.paso();
            insercion.reiniciar();
        }
        t.confirmar();
    }
    ~Almacen() {
        ctx.Conexion.reset();
        std::filesystem::remove_all(ctx.carpeta);
    }

    static std::string carpeta() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        if (mkdtemp(plantilla.data()) == nullptr) {
            std::abort();
        }
        return plantilla;
    }

    core::Reloj reloj;
    store::Contexto ctx;
};

Almacen& almacenCompartido() {
    static Almacen almacen;
    return almacen;
}

void ListaDeCienMilPrestamos(benchmark::State& estado) {
    Almacen& almacen = almacenCompartido();
    double crecimiento = 0;
    for (auto _ : estado) {
        const double antes = residenteMB();
        reports::Grilla grilla = reports::GrillaDeConsulta(
            almacen.ctx, reports::SentenciaListaPrestamos("1", {}, "devuelto"),
            reports::ColumnasPrestamos());
        crecimiento = residenteMB() - antes;
        if (grilla.filas() != Prestamos + 2) {
            estado.SkipWithError("la grilla no tiene todas las filas");
        }
        benchmark::DoNotOptimize(grilla);
    }
    estado.counters["MB_grilla"] = crecimiento;
    estado.counters["MB_proceso"] = residenteMB();
}
BENCHMARK(ListaDeCienMilPrestamos)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same statement read row by row without a grid: what the store costs.
void ConsultaSinGrilla(benchmark::State& estado) {
    Almacen& almacen = almacenCompartido();
    for (auto _ : estado) {
        auto registros = store::EjecutarConsulta(
            almacen.ctx, reports::SentenciaListaPrestamos("1", {}, "devuelto"));
        long valores = 0;
        for (; !registros->fin(); registros->siguiente()) {
            for (int k = 0; k < registros->columnas(); ++k) {
                valores += registros->valor(k).has_value();
            }
        }
        benchmark::DoNotOptimize(valores);
    }
}
BENCHMARK(ConsultaSinGrilla)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
