#include "comandos.h"
#include "comandos_listas.h"

#include "comando_cargar.h"
#include "cli_isis.h"

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{
        {"cargar", "copia las tres bases ISIS a presta e imprime las filas escritas",
         ComandoCargar},
        {"lista",
         "--modo 1..5 [--tipo --grado --tematica --desde --hasta --apellido --nombre --legajo "
         "--inventario --orden --sql]",
         ComandoLista},
        {"buscar-libros",
         "[--titulo --autor --inventario --tipo --grado --tematica --desde --hasta --orden --sql]",
         ComandoBuscarLibros},
        {"buscar-usuarios",
         "[--apellido --nombre --legajo --tipo --grado --tematica --desde --hasta --orden --sql]",
         ComandoBuscarUsuarios},
        {"isis",
         "isis volcar|terminos RUTA, isis buscar RUTA EXPRESION, isis formatear RUTA MFN "
         "FORMATO: lee una base ISIS",
         ComandoIsis},
    };
    return lista;
}
