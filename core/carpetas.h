#pragma once

#include <optional>
#include <string>

namespace core {

// Where the program keeps its files: the settings file in `configuracion`;
// the store, the exports and an export to read back in `datos`.
struct Carpetas {
    std::string configuracion;
    std::string datos;

    // One folder for both: the portable use beside the executables, or the
    // folder of --carpeta.
    Carpetas(std::string unica) : configuracion(unica), datos(std::move(unica)) {}
    Carpetas(const char* unica) : Carpetas(std::string(unica)) {}
    Carpetas(std::string conf, std::string dat)
        : configuracion(std::move(conf)), datos(std::move(dat)) {}

    bool operator==(const Carpetas&) const = default;
};

// What decides where the files live, gathered so the rule can be checked on
// its own: the executable's folder and whether the user may write into it,
// and the variables HOME, XDG_CONFIG_HOME and XDG_DATA_HOME (empty when unset).
struct EntornoCarpetas {
    std::string carpetaEjecutable;
    bool ejecutableEscribible = false;
    std::string home;
    std::string xdgConfig;
    std::string xdgDatos;
};

// The rule both programs follow. The executable's folder serves for
// everything while it is writable (the portable use, the demo); an installed
// program keeps its settings in $XDG_CONFIG_HOME/estadisticas and its store
// and exports in $XDG_DATA_HOME/estadisticas, with the usual defaults
// ~/.config and ~/.local/share when a variable is unset or not an absolute
// path.
Carpetas decidirCarpetas(const EntornoCarpetas& entorno);

// The environment of this process: the executable's folder from the system,
// writable when the user may create files in it and it is not a system
// folder under /usr (an installed program run as root must not write there).
EntornoCarpetas entornoDelProceso();

// The folders of this run: those of `--carpeta` when given (an empty one is
// refused with Error 5), else the rule's, which are created when missing.
// Throws Error.
Carpetas carpetasDelPrograma(const std::optional<std::string>& opcionCarpeta);

// Where the user manual sits relative to the executable's folder: beside
// `bin/`, in `share/estadisticas/manual/`, as the install puts it under any
// prefix and as the build puts it beside `build/bin`.
std::string carpetaManual(const std::string& carpetaEjecutable);

// The manual's index page, or nullopt when it is not there.
std::optional<std::string> indiceManual(const std::string& carpetaEjecutable);

} // namespace core
