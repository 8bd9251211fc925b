#include "tests/apoyo/programa_cli.h"

#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>

namespace prueba {

SalidaCli ejecutarCli(const std::string& carpeta, const std::string& argumentos) {
    const std::string orden = std::string("LC_ALL=C '") + ESTAD_CLI + "' --carpeta '" + carpeta +
                              "' " + argumentos + " 2>&1";
    FILE* tubo = popen(orden.c_str(), "r");
    if (tubo == nullptr) {
        throw std::runtime_error("no se pudo ejecutar " + orden);
    }
    std::string texto;
    char bloque[4096];
    for (std::size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) {
        texto.append(bloque, n);
    }
    const int estado = pclose(tubo);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, texto};
}

} // namespace prueba
