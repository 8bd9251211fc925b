// Writes the ISIS databases a load test describes on its standard input.
// The writer lives in a process of its own: its types share names with the
// reader's, and one program cannot hold both.
//
//     BASE /carpeta/PRESTA 20 -        a database, indexed by a field (and a key prefix)
//     R                                a new record
//     20<TAB>12345678                  a field of the current record
#include "tools/escritor/escritor_isis.h"

#include <iostream>
#include <memory>
#include <sstream>

int main() {
    std::unique_ptr<escritor::EscritorIsis> escritor;
    escritor::Registro registro;
    bool enRegistro = false;
    const auto cerrarRegistro = [&] {
        if (enRegistro) {
            escritor->agregar(registro);
        }
        registro.clear();
        enRegistro = false;
    };
    try {
        for (std::string linea; std::getline(std::cin, linea);) {
            if (linea.rfind("BASE ", 0) == 0) {
                if (escritor) {
                    cerrarRegistro();
                    escritor->cerrar();
                }
                std::istringstream partes(linea.substr(5));
                std::string ruta;
                escritor::LineaFst indice{.id = 1};
                partes >> ruta >> indice.tag >> indice.prefijo;
                if (indice.prefijo == "-") {
                    indice.prefijo.clear();
                }
                escritor = std::make_unique<escritor::EscritorIsis>(
                    ruta, escritor::OpcionesEscritor{.fst = {indice}});
            } else if (linea == "R") {
                cerrarRegistro();
                enRegistro = true;
            } else {
                const auto tab = linea.find('\t');
                registro.push_back({std::stoi(linea.substr(0, tab)), linea.substr(tab + 1)});
            }
        }
        if (escritor) {
            cerrarRegistro();
            escritor->cerrar();
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
