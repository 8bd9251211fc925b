#pragma once

#include <string>

namespace prueba {

struct SalidaCli {
    int codigo;
    std::string texto; // standard output and error together
};

// Runs estadisticas-cli on the application folder `carpeta` with the words
// of `argumentos` as a shell splits them, in the C locale, so numbers print
// the same on every machine.
SalidaCli ejecutarCli(const std::string& carpeta, const std::string& argumentos);

// The text of a PDF file as pdftotext lays it out.
std::string textoDelPdf(const std::string& pdf);

} // namespace prueba
