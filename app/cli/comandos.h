#pragma once

#include <iosfwd>
#include <string>
#include <vector>

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

class Contexto;
class DialogosGuionados;

// Opens the statistics store for a subcommand. Nobody is there to answer, so
// whatever the store would show goes to `errores`; false when it failed.
bool abrirAlmacen(Contexto& ctx, const DialogosGuionados& dialogos, std::ostream& errores);
