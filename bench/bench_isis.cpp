// The ISIS reads of one load run: scanning a large master file field by
// field, 100 000 key look-ups and 100 000 searches, through the module.
#include "isis/isis32.h"
#include "isis/modulo_isis.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kRegistros = 100000;
constexpr int kOperaciones = 100000;

void agregar16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void agregar32(std::string& s, std::uint32_t v) {
    agregar16(s, v & 0xFFFF);
    agregar16(s, v >> 16);
}

// A loans-like database in the packed DOS layout, records one after another
// (the reader needs nothing more), with an .FST indexing "I:" + field 10.
std::string escribirBase(const std::filesystem::path& carpeta) {
    std::string mst(64, '\0');
    std::vector<std::uint32_t> punteros;
    for (std::int32_t mfn = 1; mfn <= kRegistros; ++mfn) {
        const std::string n = std::to_string(mfn);
        const std::vector<std::pair<int, std::string>> campos{
            {10, n},
            {20, std::to_string(20000000 + mfn % 20000)},
            {25, "Pérez González, Juan " + n},
            {30, "^aHistoria de la literatura^nTomo " + n},
            {50, "20240301"},
            {60, "20240215"},
            {70, mfn % 3 == 0 ? "N" : "S"},
            {130, "1"}};
        if (mst.size() % 2 != 0) {
            mst += '\0';
        }
        const auto inicio = static_cast<std::uint32_t>(mst.size());
        punteros.push_back((inicio / 512 + 1) * 2048 + inicio % 512);
        std::string datos;
        std::string directorio;
        for (const auto& [tag, texto] : campos) {
            agregar16(directorio, static_cast<std::uint32_t>(tag));
            agregar16(directorio, static_cast<std::uint32_t>(datos.size()));
            agregar16(directorio, static_cast<std::uint32_t>(texto.size()));
            datos += texto;
        }
        const auto base = static_cast<std::uint32_t>(18 + directorio.size());
        agregar32(mst, static_cast<std::uint32_t>(mfn));
        agregar16(mst, base + static_cast<std::uint32_t>(datos.size()));
        agregar32(mst, 0);
        agregar16(mst, 0);
        agregar16(mst, base);
        agregar16(mst, static_cast<std::uint32_t>(campos.size()));
        agregar16(mst, 0);
        mst += directorio + datos;
    }
    mst.resize((mst.size() / 512 + 1) * 512, '\0');
    std::string control;
    agregar32(control, 0);
    agregar32(control, kRegistros + 1);
    agregar32(control, static_cast<std::uint32_t>(mst.size() / 512));
    mst.replace(0, control.size(), control);
    std::string xrf;
    const std::size_t bloques = (punteros.size() + 126) / 127;
    for (std::size_t b = 0; b < bloques; ++b) {
        agregar32(xrf, static_cast<std::uint32_t>(b + 1 == bloques ? -static_cast<int>(b + 1)
                                                                   : static_cast<int>(b + 1)));
        for (std::size_t k = 0; k < 127; ++k) {
            const std::size_t i = b * 127 + k;
            agregar32(xrf, i < punteros.size() ? punteros[i] : 0);
        }
    }
    const std::filesystem::path ruta = carpeta / "PRESTA";
    std::ofstream(ruta.string() + ".MST", std::ios::binary) << mst;
    std::ofstream(ruta.string() + ".XRF", std::ios::binary) << xrf;
    std::ofstream(ruta.string() + ".FST", std::ios::binary) << "1 0 'I:',v10\n20 0 v20\n";
    return ruta.string();
}

struct Entorno {
    Entorno() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        carpeta = mkdtemp(plantilla.data());
        grande = escribirBase(carpeta);
        isis.IniciarIsis(1);
        abrir(isis.Bases[0], grande);
        abrir(isis.Bases[1],
              std::string(ESTAD_SHARED_DIR) + "/testdata/isis-real/cisis-cds-aligned/cds");
        isis.BuscarClave(isis.Bases[0], "I:1"); // builds the in-memory index once
    }
    ~Entorno() {
        isis.CerrarIsis();
        std::filesystem::remove_all(carpeta);
    }
    void abrir(isis::BaseIsis& b, const std::string& ruta) {
        const std::filesystem::path p(ruta);
        b.Carpeta = p.parent_path().string() + "/";
        b.Nombre = p.filename().string();
        isis.AbrirBase(b);
    }
    std::filesystem::path carpeta;
    std::string grande;
    isis::ModuloIsis isis;
};

Entorno& entorno() {
    static Entorno e;
    return e;
}

// Every record of a 100 000-record master file, eight fields each.
void bench_isis_recorrer_maestro(benchmark::State& estado) {
    Entorno& e = entorno();
    isis::BaseIsis& b = e.isis.Bases[0];
    for (auto _ : estado) {
        const std::int32_t ultimo = e.isis.UltimoMfn(b);
        std::size_t largo = 0;
        for (std::int32_t mfn = 1; mfn <= ultimo; ++mfn) {
            e.isis.LeerRegistro(b, mfn);
            for (const std::int32_t tag : {20, 25, 30, 50, 60, 70, 130}) {
                largo += e.isis.LeerCampo(b, tag, 1).size();
            }
            isis::IsisSpaPft(b.Espacio, "||v10");
            largo += e.isis.FormatearRegistro(b).size();
        }
        benchmark::DoNotOptimize(largo);
    }
}

// 100 000 look-ups of "I:" + inventory in the index made from the .FST.
void bench_isis_claves_memoria(benchmark::State& estado) {
    Entorno& e = entorno();
    for (auto _ : estado) {
        std::int64_t suma = 0;
        for (int i = 0; i < kOperaciones; ++i) {
            suma += e.isis.BuscarClave(e.isis.Bases[0], "I:" + std::to_string(i % kRegistros + 1));
        }
        benchmark::DoNotOptimize(suma);
    }
}

std::vector<std::string> clavesCds() {
    const char* claves[] = {
        "PLANTS",    "WATER",     "SOIL",     "TRANSPIRATION", "PLANT PHYSIOLOGY",
        "EDUCATION", "MAGALHAES", "ANALYSIS", "PARIS",         "UNESCO"};
    return std::vector<std::string>(std::begin(claves), std::end(claves));
}

// 100 000 look-ups in a real inverted file (CISIS aligned layout).
void bench_isis_claves_invertido(benchmark::State& estado) {
    Entorno& e = entorno();
    const auto claves = clavesCds();
    for (auto _ : estado) {
        std::int64_t suma = 0;
        for (int i = 0; i < kOperaciones; ++i) {
            suma += e.isis.BuscarClave(e.isis.Bases[1],
                                       claves[static_cast<std::size_t>(i) % claves.size()]);
        }
        benchmark::DoNotOptimize(suma);
    }
}

// 100 000 searches, as the members step runs them (one term each), in both indexes.
void bench_isis_busquedas(benchmark::State& estado) {
    Entorno& e = entorno();
    const auto claves = clavesCds();
    for (auto _ : estado) {
        std::int64_t suma = 0;
        for (int i = 0; i < kOperaciones; ++i) {
            if (i % 2 == 0) {
                suma +=
                    e.isis.BuscarExpresion(e.isis.Bases[0], std::to_string(20000000 + i % 20000));
            } else {
                suma += e.isis.BuscarExpresion(e.isis.Bases[1],
                                               claves[static_cast<std::size_t>(i) % claves.size()]);
            }
        }
        benchmark::DoNotOptimize(suma);
    }
}

} // namespace

BENCHMARK(bench_isis_recorrer_maestro)->Unit(benchmark::kMillisecond);
BENCHMARK(bench_isis_claves_memoria)->Unit(benchmark::kMillisecond);
BENCHMARK(bench_isis_claves_invertido)->Unit(benchmark::kMillisecond);
BENCHMARK(bench_isis_busquedas)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
