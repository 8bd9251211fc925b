#include "comando_exportar.h"

#include "almacen.h"
#include "argumentos.h"
#include "comandos.h"
#include "contexto.h"
#include "dialogos_guionados.h"
#include "error.h"
#include "exportacion.h"

#include <ostream>

namespace {

std::optional<Fecha> fecha(const Argumentos& argumentos, const std::string& nombre) {
    const auto texto = argumentos.valor(nombre);
    return texto ? std::optional<Fecha>(fechaDesdeAAAAMMDD(*texto)) : std::nullopt;
}

} // namespace

int ComandoExportar(const std::vector<std::string>& args, const std::string& carpeta,
                    std::ostream& salida, std::ostream& errores) {
    const Argumentos argumentos(args, {"--desde", "--hasta"}, {});
    if (!argumentos.posicionales().empty()) {
        throw Error(Error::ArgumentoInvalido, "Argumento de más: " + argumentos.posicionales()[0]);
    }
    const PeriodoExportacion periodo{fecha(argumentos, "--desde"), fecha(argumentos, "--hasta")};
    Reloj reloj;
    DialogosGuionados dialogos;
    Contexto ctx(carpeta, reloj, dialogos);
    if (!abrirAlmacen(ctx, dialogos, errores)) {
        return 1;
    }
    salida << EscribirExportacion(ctx, FiltroExportacion(periodo), periodo) << "\n";
    return 0;
}
