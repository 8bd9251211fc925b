#include "comandos.h"

#include "comando_exportar.h"

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{
        {"exportar",
         "[--desde AAAAMMDD] [--hasta AAAAMMDD]: escribe la exportación XML del día en\n"
         "      exportaciones/ e imprime su ruta",
         ComandoExportar},
    };
    return lista;
}
