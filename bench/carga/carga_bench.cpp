// Whole load run of 100 000 loans, 20 000 members and 60 000 catalogue
// records, and the floor it is held to: the sqlite3 shell importing the same
// rows into an empty presta with the same schema and indexes.
#include "archivo_ini.h"
#include "base_datos.h"
#include "carga.h"
#include "contexto.h"
#include "dialogos_guionados.h"
#include "esquema.h"
#include "reloj.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

struct Datos {
    std::string carpeta;
    std::string csv;
};

void ejecutar(const std::string& orden) {
    if (std::system(orden.c_str()) != 0) {
        throw std::runtime_error("falló: " + orden);
    }
}

// Generates the databases once per process and points the settings at them.
const Datos& datos() {
    static const Datos d = [] {
        std::string plantilla = (fs::temp_directory_path() / "bench-carga-XXXXXX").string();
        if (mkdtemp(plantilla.data()) == nullptr) {
            throw std::runtime_error("mkdtemp");
        }
        ejecutar(std::string(GENERAR_DEMO) + " --carpeta " + plantilla +
                 " --prestamos 100000 --usuarios 20000 --catalogo 60000 > /dev/null");
        Archivo_Ini ini(plantilla);
        ini.RutaPresta = plantilla + "/PRESTA.MST";
        ini.RutaUsua = plantilla + "/USUARIOS.MST";
        ini.RutaMarc = plantilla + "/MARC.MST";
        ini.Grabar("LINK");
        return Datos{plantilla, plantilla + "/presta.csv"};
    }();
    return d;
}

double mejorCarga = 0;
double mejorImportacion = 0;

void anotar(double& mejor, double segundos) {
    mejor = mejor == 0 ? segundos : std::min(mejor, segundos);
}

void BM_CargaCompleta(benchmark::State& estado) {
    Reloj reloj;
    DialogosGuionados dialogos;
    Contexto ctx(datos().carpeta, reloj, dialogos);
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        const ResultadoCarga r = CargarDatos(ctx);
        const std::chrono::duration<double> s = std::chrono::steady_clock::now() - inicio;
        if (r.tipo != ResultadoCarga::Tipo::Exito) {
            estado.SkipWithError("la carga falló");
            return;
        }
        estado.SetIterationTime(s.count());
        anotar(mejorCarga, s.count());
        estado.counters["filas"] = r.filas;
    }
    // The rows the floor imports: exactly what the load wrote.
    ejecutar("sqlite3 -csv -cmd '.load " EXTENSION_COLECCION "' " + datos().carpeta +
             "/base.mdb 'SELECT * FROM presta' > " + datos().csv);
}
BENCHMARK(BM_CargaCompleta)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportacionSqlite(benchmark::State& estado) {
    const std::string destino = datos().carpeta + "/importada.db";
    Reloj reloj;
    for (auto _ : estado) {
        fs::remove(destino);
        {
            BaseDatos base(destino, reloj);
            crearEsquema(base);
        }
        const auto inicio = std::chrono::steady_clock::now();
        ejecutar("sqlite3 -cmd '.load " EXTENSION_COLECCION "' " + destino + " '.import --csv " +
                 datos().csv + " presta'");
        const std::chrono::duration<double> s = std::chrono::steady_clock::now() - inicio;
        estado.SetIterationTime(s.count());
        anotar(mejorImportacion, s.count());
    }
}
BENCHMARK(BM_ImportacionSqlite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (mejorCarga > 0 && mejorImportacion > 0) {
        std::cout << "carga " << mejorCarga * 1000 << " ms, importación " << mejorImportacion * 1000
                  << " ms, razón " << mejorCarga / mejorImportacion << " (meta ≤ 1.5)\n";
    }
    fs::remove_all(datos().carpeta);
    return 0;
}
