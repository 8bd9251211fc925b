#include "tools/generar_demo/generador_demo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

// 100 000 loans, 20 000 members and 60 000 catalogue records, each database
// with master file, cross-reference, inverted file and field-select table.
void BM_GenerarBasesDeReferencia(benchmark::State& state) {
    const auto carpeta =
        std::filesystem::temp_directory_path() / ("bench-demo-" + std::to_string(getpid()));
    for (auto _ : state) {
        demo::generarDemo({.carpeta = carpeta.string(),
                           .prestamos = 100000,
                           .usuarios = 20000,
                           .catalogo = 60000,
                           .semilla = 1,
                           .hoy = std::chrono::year{2026} / 12 / 1});
    }
    std::filesystem::remove_all(carpeta);
}
BENCHMARK(BM_GenerarBasesDeReferencia)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
