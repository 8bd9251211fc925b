#include "isis/archivo_mapeado.h"

#include "core/archivo_comun.h"
#include "core/descripcion_error.h"
#include "core/error.h"
#include "core/texto.h"

#include <cerrno>
#include <filesystem>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace isis {

namespace {

struct Mapeo {
    void* direccion = nullptr;
    std::size_t largo = 0;
    ~Mapeo() {
        if (direccion != nullptr) {
            munmap(direccion, largo);
        }
    }
};

[[noreturn]] void fallar(const std::string& ruta, const std::string& motivo) {
    throw core::Error(core::Error::ErrorIsis,
                      "No se puede leer el archivo " + ruta + ": " + motivo);
}

} // namespace

ArchivoMapeado ArchivoMapeado::abrir(const std::string& ruta) {
    ArchivoMapeado a;
    a.nombre_ = ruta;
    std::string motivo;
    const int fd = core::abrirArchivoComun(ruta, motivo);
    if (fd < 0) {
        fallar(ruta, motivo);
    }
    struct stat info {};
    fstat(fd, &info);
    auto mapeo = std::make_shared<Mapeo>();
    if (info.st_size > 0) {
        mapeo->largo = static_cast<std::size_t>(info.st_size);
        void* p = mmap(nullptr, mapeo->largo, PROT_READ, MAP_PRIVATE, fd, 0);
        if (p == MAP_FAILED) {
            const int numero = errno;
            ::close(fd);
            fallar(ruta, core::descripcionDelSistema(numero));
        }
        mapeo->direccion = p;
    }
    ::close(fd);
    a.datos_ = std::string_view(static_cast<const char*>(mapeo->direccion), mapeo->largo);
    a.dueno_ = std::move(mapeo);
    return a;
}

ArchivoMapeado ArchivoMapeado::enMemoria(std::string nombre, std::string contenido) {
    ArchivoMapeado a;
    a.nombre_ = std::move(nombre);
    auto texto = std::make_shared<const std::string>(std::move(contenido));
    a.datos_ = *texto;
    a.dueno_ = std::move(texto);
    return a;
}

std::optional<std::string> buscarSinMayusculas(const std::string& ruta) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(ruta, ec)) {
        return ruta;
    }
    const fs::path p(ruta);
    fs::path actual = p.root_path();
    for (const fs::path& parte : p.relative_path()) {
        const fs::path exacta = actual / parte;
        if (fs::exists(exacta, ec)) {
            actual = exacta;
            continue;
        }
        const fs::path carpeta = actual.empty() ? fs::path(".") : actual;
        std::optional<fs::path> hallada;
        for (const auto& entrada : fs::directory_iterator(carpeta, ec)) {
            if (core::texto::igualesSinMayusculas(entrada.path().filename().string(),
                                                  parte.string())) {
                hallada = actual / entrada.path().filename();
                break;
            }
        }
        if (!hallada) {
            return std::nullopt;
        }
        actual = *hallada;
    }
    return actual.string();
}

std::optional<std::string> archivoDeBase(const std::string& rutaSinExtension,
                                         const std::string& extension) {
    auto ruta = buscarSinMayusculas(rutaSinExtension + extension);
    std::error_code ec;
    if (ruta && std::filesystem::is_regular_file(*ruta, ec)) {
        return ruta;
    }
    return std::nullopt;
}

} // namespace isis
