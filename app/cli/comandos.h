#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace core {
class Error;
}
namespace store {
struct Contexto;
}

namespace app::cli {

// One subcommand of estadisticas-cli: its words after the subcommand name,
// the folders of the run and the output streams. Returns the exit code.
struct Comando {
    const char* nombre;
    const char* ayuda;
    int (*ejecutar)(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                    std::ostream& salida, std::ostream& errores);
};

// The subcommands, in the order --help lists them.
const std::vector<Comando>& Comandos();

// How a subcommand reports an error: "Error N: description" on its own line.
void imprimirError(std::ostream& errores, const core::Error& error);

// Throws Error naming the settings file of the application folder when it
// is not there to be read (the export needs the school code it holds).
void exigirConfiguracion(const std::string& carpetaConfiguracion);

// Opens the store of the application folder for a command that reads it. A
// folder with neither settings nor a store is no application folder: it is
// reported instead of answered with a new, empty store. A store found
// damaged has been replaced by a new, empty one that has nothing to answer
// with until a load fills it. Both throw Error.
void abrirAlmacenParaLeer(store::Contexto& ctx);

} // namespace app::cli
