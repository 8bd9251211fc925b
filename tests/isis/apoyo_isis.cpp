#include "tests/isis/apoyo_isis.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace prueba {

std::string muestra(const std::string& base) {
    return carpetaCompartida() + "/testdata/isis-real/" + base;
}

std::unique_ptr<isis::BaseAbierta> abrirMuestra(const std::string& base) {
    auto b = isis::BaseAbierta::abrir(muestra(base));
    if (b) {
        b->abrirInvertido(muestra(base));
    }
    return b;
}

std::string copiarMuestra(const CarpetaTemporal& carpeta, const std::string& base) {
    const fs::path origen(muestra(base));
    for (const auto& e : fs::directory_iterator(origen.parent_path())) {
        const fs::path destino = fs::path(carpeta.ruta()) / e.path().filename();
        fs::copy_file(e.path(), destino, fs::copy_options::overwrite_existing);
        fs::permissions(destino, fs::perms::owner_read | fs::perms::owner_write);
    }
    return carpeta.ruta() + "/" + origen.filename().string();
}

void sobrescribir(const std::string& archivo, std::size_t posicion, const std::string& bytes) {
    std::fstream f(archivo, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(posicion));
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void truncar(const std::string& archivo, std::size_t largo) {
    fs::resize_file(archivo, largo);
}

} // namespace prueba
