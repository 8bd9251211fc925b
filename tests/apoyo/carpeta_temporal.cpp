#include "tests/apoyo/carpeta_temporal.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace prueba {

CarpetaTemporal::CarpetaTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "estad-XXXXXX").string();
    if (mkdtemp(plantilla.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    ruta_ = plantilla;
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ec;
    std::filesystem::remove_all(ruta_, ec);
}

void CarpetaTemporal::escribir(const std::string& nombre, const std::string& contenido) const {
    std::ofstream(archivo(nombre), std::ios::binary) << contenido;
}

std::string CarpetaTemporal::leer(const std::string& nombre) const {
    std::ifstream entrada(archivo(nombre), std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    return s.str();
}

std::string carpetaCompartida() {
    return ESTAD_SHARED_DIR;
}

} // namespace prueba
