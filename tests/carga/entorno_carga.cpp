#include "tests/carga/entorno_carga.h"

#include "core/archivo_ini.h"
#include "store/esquema.h"
#include "store/registros.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace std::chrono;

namespace prueba {

EntornoCarga::EntornoCarga()
    : reloj(core::Fecha{year{2024}, May, day{15}}), ctx(carpeta.ruta(), reloj) {}

void EntornoCarga::escribirBases(const BasesPrueba& bases) {
    bases.escribir(carpeta.ruta());
    fijarRutas(ruta("PRESTA.MST"), ruta("USUARIOS.MST"), ruta("MARC.MST"));
}

void EntornoCarga::fijarRutas(const std::string& presta, const std::string& usuarios,
                              const std::string& marc) {
    core::Archivo_Ini ini(carpeta.ruta());
    ini.RutaPresta = presta;
    ini.RutaUsua = usuarios;
    ini.RutaMarc = marc;
    ini.Grabar("LINK");
}

std::string EntornoCarga::quitarXrf(const std::string& nombre) const {
    std::filesystem::remove(ruta(nombre + ".XRF"));
    return "No existe la base de datos " + ruta(nombre) + ": falta el archivo " +
           ruta(nombre + ".XRF");
}

void EntornoCarga::sembrarPresta(int n) const {
    store::BaseDatos base(ctx.rutaBase(), reloj);
    store::crearEsquema(base);
    store::Transaccion t(base);
    store::Sentencia insercion(base, "INSERT INTO presta (dni, apellido, titulo) VALUES (?, ?, ?)");
    for (int i = 0; i < n; ++i) {
        insercion.reiniciar();
        insercion.enlazar(1, "anterior-" + std::to_string(i));
        insercion.enlazar(2, "Apellido " + std::to_string(i));
        insercion.enlazar(3, std::nullopt);
        insercion.paso();
    }
    t.confirmar();
}

std::vector<FilaPresta> EntornoCarga::presta() const {
    store::BaseDatos base(ctx.rutaBase(), reloj);
    auto filas = store::Registros::lectura(base, "SELECT * FROM presta ORDER BY rowid");
    std::vector<FilaPresta> resultado;
    for (; !filas->fin(); filas->siguiente()) {
        FilaPresta fila;
        for (int i = 0; i < filas->columnas(); ++i) {
            fila.push_back(filas->valor(i));
        }
        resultado.push_back(std::move(fila));
    }
    return resultado;
}

std::optional<std::string> EntornoCarga::valor(int fila, const char* columna) const {
    const auto columnas = std::find_if(store::ColumnasPresta.begin(), store::ColumnasPresta.end(),
                                       [&](const char* c) { return std::string(c) == columna; });
    return presta()
        .at(static_cast<std::size_t>(fila))
        .at(static_cast<std::size_t>(columnas - store::ColumnasPresta.begin()));
}

std::vector<std::string> EntornoCarga::archivosIsisAbiertos() const {
    std::vector<std::string> abiertos;
    const auto anotar = [&](const std::string& ruta) {
        if (ruta.rfind(carpeta.ruta(), 0) == 0 && ruta.find("base.mdb") == std::string::npos) {
            abiertos.push_back(ruta);
        }
    };
    std::ifstream mapas("/proc/self/maps");
    for (std::string linea; std::getline(mapas, linea);) {
        const auto inicio = linea.find('/');
        if (inicio != std::string::npos) {
            anotar(linea.substr(inicio));
        }
    }
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        anotar(std::filesystem::read_symlink(fd.path(), ec).string());
    }
    return abiertos;
}

} // namespace prueba
