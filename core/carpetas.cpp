#include "core/carpetas.h"

#include "core/error.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace core {

namespace {

constexpr const char* NombrePrograma = "estadisticas";

std::string variable(const char* nombre) {
    const char* valor = std::getenv(nombre);
    return valor != nullptr ? valor : "";
}

// An XDG variable counts only when it holds an absolute path.
std::string baseXdg(const std::string& valor, const std::string& home, const char* porOmision) {
    if (!valor.empty() && valor.front() == '/') {
        return valor;
    }
    return home + porOmision;
}

bool esCarpetaDelSistema(const std::string& carpeta) {
    return carpeta.rfind("/usr/", 0) == 0;
}

std::string carpetaPersonal() {
    std::string home = variable("HOME");
    if (home.empty()) {
        if (const passwd* usuario = ::getpwuid(::getuid())) {
            home = usuario->pw_dir;
        }
    }
    return home;
}

} // namespace

Carpetas decidirCarpetas(const EntornoCarpetas& e) {
    if (e.ejecutableEscribible) {
        return Carpetas(e.carpetaEjecutable);
    }
    const std::string sufijo = std::string("/") + NombrePrograma;
    return Carpetas(baseXdg(e.xdgConfig, e.home, "/.config") + sufijo,
                    baseXdg(e.xdgDatos, e.home, "/.local/share") + sufijo);
}

EntornoCarpetas entornoDelProceso() {
    EntornoCarpetas e;
    std::error_code ec;
    const auto ejecutable = std::filesystem::read_symlink("/proc/self/exe", ec);
    e.carpetaEjecutable = ec ? std::string(".") : ejecutable.parent_path().string();
    e.ejecutableEscribible = ::access(e.carpetaEjecutable.c_str(), W_OK) == 0 &&
                             !esCarpetaDelSistema(e.carpetaEjecutable);
    e.home = carpetaPersonal();
    e.xdgConfig = variable("XDG_CONFIG_HOME");
    e.xdgDatos = variable("XDG_DATA_HOME");
    return e;
}

Carpetas carpetasDelPrograma(const std::optional<std::string>& opcionCarpeta) {
    if (opcionCarpeta) {
        if (opcionCarpeta->empty()) {
            throw Error(Error::ArgumentoInvalido,
                        "La carpeta de la aplicación no puede ser vacía (--carpeta)");
        }
        return Carpetas(*opcionCarpeta);
    }
    Carpetas carpetas = decidirCarpetas(entornoDelProceso());
    // A failure here shows later, told in Spanish, where a file is written.
    std::error_code ec;
    std::filesystem::create_directories(carpetas.configuracion, ec);
    std::filesystem::create_directories(carpetas.datos, ec);
    return carpetas;
}

std::string carpetaManual(const std::string& carpetaEjecutable) {
    std::error_code ec;
    std::filesystem::path bin = std::filesystem::absolute(carpetaEjecutable, ec).lexically_normal();
    if (bin.filename().empty()) { // "/usr/bin/" names the same folder as "/usr/bin"
        bin = bin.parent_path();
    }
    return (bin.parent_path() / "share" / NombrePrograma / "manual").string();
}

std::optional<std::string> indiceManual(const std::string& carpetaEjecutable) {
    const std::filesystem::path indice =
        std::filesystem::path(carpetaManual(carpetaEjecutable)) / "index.html";
    std::error_code ec;
    if (std::filesystem::is_regular_file(indice, ec)) {
        return indice.string();
    }
    return std::nullopt;
}

} // namespace core
