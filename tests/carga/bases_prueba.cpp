#include "tests/carga/entorno_carga.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace prueba {

namespace {

void describir(std::ostream& salida, const std::string& ruta, int tagIndice,
               const std::string& prefijo, const std::vector<RegistroPrueba>& registros) {
    salida << "BASE " << ruta << " " << tagIndice << " " << prefijo << "\n";
    for (const RegistroPrueba& r : registros) {
        salida << "R\n";
        for (const auto& [tag, texto] : r) {
            salida << tag << "\t" << texto << "\n";
        }
    }
}

} // namespace

void BasesPrueba::escribir(const std::string& carpeta) const {
    const std::string descripcion = carpeta + "/bases.txt";
    {
        std::ofstream salida(descripcion);
        describir(salida, carpeta + "/PRESTA", 20, "-", prestamos);
        describir(salida, carpeta + "/USUARIOS", 20, "-", usuarios);
        describir(salida, carpeta + "/MARC", 900, "I:", marc);
    }
    const std::string orden = std::string(ESCRIBIR_BASES) + " < '" + descripcion + "'";
    if (std::system(orden.c_str()) != 0) {
        throw std::runtime_error("No se pudieron escribir las bases de prueba: " + orden);
    }
}

} // namespace prueba
