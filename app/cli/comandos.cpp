#include "comandos.h"

#include "comando_ranking.h"

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{
        {"ranking",
         "--agrupar usuario|libro|tema|grado|nivel [--mostrar 0,1,..6] [--tipo TEXTO] [--grado "
         "POSICION] [--tematica TEXTO] [--desde AAAAMMDD] [--hasta AAAAMMDD] [--barras N] "
         "[--cantidad] [--sql]: el ranking de préstamos, una línea por grupo",
         &ComandoRanking},
    };
    return lista;
}
