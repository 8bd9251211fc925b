// Whole load run of 100 000 loans, 20 000 members and 60 000 catalogue
// records, and the floor it is held to: the sqlite3 shell importing the same
// rows into an empty presta with the same schema and indexes. The two run
// interleaved, several times each, so both meet the same machine load.
#include "core/archivo_ini.h"
#include "core/reloj.h"
#include "isis/carga/carga.h"
#include "store/base_datos.h"
#include "store/contexto.h"
#include "store/esquema.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

void ejecutar(const std::string& orden) {
    if (std::system(orden.c_str()) != 0) {
        throw std::runtime_error("falló: " + orden);
    }
}

carga::ResultadoCarga cargar(const std::string& carpeta) {
    core::Reloj reloj;
    store::Contexto ctx(carpeta, reloj);
    return carga::CargarDatos(ctx);
}

struct Datos {
    std::string carpeta;
    std::string csv; // the rows of one load, as the floor imports them
};

// Generates the databases once per process, points the settings at them and
// keeps the rows one load writes.
const Datos& datos() {
    static const Datos d = [] {
        std::string carpeta = (fs::temp_directory_path() / "bench-carga-XXXXXX").string();
        if (mkdtemp(carpeta.data()) == nullptr) {
            throw std::runtime_error("mkdtemp");
        }
        ejecutar(std::string(GENERAR_DEMO) + " --carpeta " + carpeta +
                 " --prestamos 100000 --usuarios 20000 --catalogo 60000 > /dev/null");
        core::Archivo_Ini ini(carpeta);
        ini.RutaPresta = carpeta + "/PRESTA.MST";
        ini.RutaUsua = carpeta + "/USUARIOS.MST";
        ini.RutaMarc = carpeta + "/MARC.MST";
        ini.Grabar("LINK");
        if (cargar(carpeta).tipo != carga::ResultadoCarga::Tipo::Exito) {
            throw std::runtime_error("la carga de preparación falló");
        }
        const std::string csv = carpeta + "/presta.csv";
        ejecutar("sqlite3 -csv -cmd '.load " EXTENSION_COLECCION "' " + carpeta +
                 "/base.mdb 'SELECT * FROM presta' > " + csv);
        return Datos{carpeta, csv};
    }();
    return d;
}

// Wall time and processor time (user + system) of one run; on a shared
// machine processor time is the steadier comparison.
struct Medida {
    double pared = 0;
    double procesador = 0;
};

double procesador(int quien) {
    rusage uso{};
    getrusage(quien, &uso);
    const auto segundos = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return segundos(uso.ru_utime) + segundos(uso.ru_stime);
}

template <typename F> Medida medir(int quien, F&& trabajo) {
    const double cpu = procesador(quien);
    const auto inicio = std::chrono::steady_clock::now();
    trabajo();
    const std::chrono::duration<double> pared = std::chrono::steady_clock::now() - inicio;
    return {pared.count(), procesador(quien) - cpu};
}

// The best of each, for the closing comparison.
Medida mejorCarga;
Medida mejorImportacion;

void anotar(benchmark::State& estado, Medida& mejor, const Medida& m) {
    estado.SetIterationTime(m.pared);
    estado.counters["cpu_ms"] = m.procesador * 1000;
    mejor.pared = mejor.pared == 0 ? m.pared : std::min(mejor.pared, m.pared);
    mejor.procesador =
        mejor.procesador == 0 ? m.procesador : std::min(mejor.procesador, m.procesador);
}

void BM_CargaCompleta(benchmark::State& estado) {
    const std::string carpeta = datos().carpeta;
    for (auto _ : estado) {
        carga::ResultadoCarga r;
        const Medida m = medir(RUSAGE_SELF, [&] { r = cargar(carpeta); });
        if (r.tipo != carga::ResultadoCarga::Tipo::Exito) {
            estado.SkipWithError("la carga falló");
            return;
        }
        anotar(estado, mejorCarga, m);
        estado.counters["filas"] = r.filas;
    }
}

void BM_ImportacionSqlite(benchmark::State& estado) {
    const std::string destino = datos().carpeta + "/importada.db";
    for (auto _ : estado) {
        fs::remove(destino);
        {
            core::Reloj reloj;
            store::BaseDatos base(destino, reloj);
            store::crearEsquema(base);
        }
        const Medida m = medir(RUSAGE_CHILDREN, [&] {
            ejecutar("sqlite3 -cmd '.load " EXTENSION_COLECCION "' " + destino +
                     " '.import --csv " + datos().csv + " presta'");
        });
        anotar(estado, mejorImportacion, m);
    }
}

constexpr int Repeticiones = 5;
BENCHMARK(BM_CargaCompleta)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(Repeticiones);
BENCHMARK(BM_ImportacionSqlite)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(Repeticiones);

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> argumentos(argv, argv + argc);
    char intercalar[] = "--benchmark_enable_random_interleaving=true";
    argumentos.insert(argumentos.begin() + 1, intercalar);
    int cantidad = static_cast<int>(argumentos.size());
    benchmark::Initialize(&cantidad, argumentos.data());
    datos();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (mejorCarga.pared > 0 && mejorImportacion.pared > 0) {
        std::cout << "mejor carga " << mejorCarga.pared * 1000 << " ms ("
                  << mejorCarga.procesador * 1000 << " ms de procesador); importación de sqlite3 "
                  << mejorImportacion.pared * 1000 << " ms (" << mejorImportacion.procesador * 1000
                  << " ms de procesador); razón " << mejorCarga.pared / mejorImportacion.pared
                  << " en tiempo real, " << mejorCarga.procesador / mejorImportacion.procesador
                  << " en procesador (meta: 1,5 o menos y la carga bajo 1 s)\n";
    }
    fs::remove_all(datos().carpeta);
    return 0;
}
