#include "comandos.h"

#include "cli_isis.h"

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{
        {"isis",
         "isis volcar|terminos RUTA, isis buscar RUTA EXPRESION, isis formatear RUTA MFN "
         "FORMATO: lee una base ISIS",
         ComandoIsis},
    };
    return lista;
}
