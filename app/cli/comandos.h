#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace store {
struct Contexto;
}
namespace core::ui {
class DialogosGuionados;
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

// Opens the statistics store for a subcommand. Nobody is there to answer, so
// whatever the store would show goes to `errores`; false when it failed.
bool abrirAlmacen(store::Contexto& ctx, const core::ui::DialogosGuionados& dialogos,
                  std::ostream& errores);

} // namespace app::cli
