#include "comandos.h"

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{};
    return lista;
}
