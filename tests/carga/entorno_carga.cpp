#include "tests/carga/entorno_carga.h"

#include "core/archivo_ini.h"
#include "store/almacen.h"
#include "store/esquema.h"
#include "store/registros.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace prueba {

EntornoCarga::EntornoCarga() : Entorno(dia(2024, 5, 15)) {}

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
    store::Contexto anterior(carpeta.ruta(), reloj);
    store::AbrirBaseDatos(anterior);
    std::vector<Fila> filas;
    for (int i = 0; i < n; ++i) {
        filas.push_back({"anterior-" + std::to_string(i), "Apellido " + std::to_string(i)});
    }
    agregarFilasPresta(anterior, {"dni", "apellido"}, filas);
}

void EntornoCarga::sembrarInformes(int n) const {
    store::Contexto anterior(carpeta.ruta(), reloj);
    store::AbrirBaseDatos(anterior);
    std::vector<Fila> filas;
    for (int i = 0; i < n; ++i) {
        filas.push_back({"anterior-" + std::to_string(i), "Título " + std::to_string(i)});
    }
    agregarFilas(anterior, "usuarios", {"dni", "apellido"}, filas);
    agregarFilas(anterior, "ejemplares", {"inventario", "titulo"}, filas);
}

std::vector<Fila> EntornoCarga::tabla(const std::string& nombre) const {
    store::BaseDatos base(ctx.rutaBase(), reloj);
    return filasDe(*store::Registros::lectura(base, "SELECT * FROM " + nombre + " ORDER BY rowid"));
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
