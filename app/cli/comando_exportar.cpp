#include "app/cli/comando_exportar.h"

#include "app/cli/comandos.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "core/ui/dialogos_guionados.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/contexto.h"

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
