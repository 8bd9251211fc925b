#include "tests/apoyo/programa_cli.h"

#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>

namespace prueba {

namespace {

// What `orden` writes on its standard output, and how it ended.
SalidaCli salidaDe(const std::string& orden) {
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

} // namespace

SalidaCli ejecutarCli(const std::string& carpeta, const std::string& argumentos) {
    return salidaDe(std::string("LC_ALL=C '") + ESTAD_CLI + "' --carpeta '" + carpeta + "' " +
                    argumentos + " 2>&1");
}

std::string textoDelPdf(const std::string& pdf) {
    return salidaDe("pdftotext -layout '" + pdf + "' -").texto;
}

} // namespace prueba
