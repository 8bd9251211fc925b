#include "app/cli/comando_exportar.h"

#include "app/cli/comandos.h"
#include "app/cli/filtros_cli.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <ostream>

namespace app::cli {

int ComandoExportar(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                    std::ostream& salida, std::ostream& /*errores*/) {
    const core::Argumentos argumentos(args, {"--desde", "--hasta"}, {});
    if (!argumentos.posicionales().empty()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Argumento de más: " + argumentos.posicionales()[0]);
    }
    const exportacion::PeriodoExportacion periodo{FechaDeOpcion(argumentos, "--desde"),
                                                  FechaDeOpcion(argumentos, "--hasta")};
    core::Reloj reloj;
    store::Contexto ctx(carpetas, reloj);
    exigirConfiguracion(ctx.carpetaConfiguracion);
    abrirAlmacenParaLeer(ctx);
    salida << exportacion::EscribirExportacion(ctx, exportacion::FiltroExportacion(periodo),
                                               periodo)
           << "\n";
    return 0;
}

} // namespace app::cli
