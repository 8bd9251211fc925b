#include "comandos.h"

#include "comando_cargar.h"

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{
        {"cargar", "copia las tres bases ISIS a presta e imprime las filas escritas",
         ComandoCargar},
    };
    return lista;
}
