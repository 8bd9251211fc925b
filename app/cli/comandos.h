#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace core {
class Error;
}

namespace app::cli {

// One subcommand of estadisticas-cli: its words after the subcommand name,
// the application folder and the output streams. Returns the exit code.
struct Comando {
    const char* nombre;
    const char* ayuda;
    int (*ejecutar)(const std::vector<std::string>& args, const std::string& carpeta,
                    std::ostream& salida, std::ostream& errores);
};

// The subcommands, in the order --help lists them.
const std::vector<Comando>& Comandos();

// How a subcommand reports an error: "Error N: description" on its own line.
void imprimirError(std::ostream& errores, const core::Error& error);

} // namespace app::cli
