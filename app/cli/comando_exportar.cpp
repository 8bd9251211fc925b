#include "app/cli/comando_exportar.h"

#include "app/cli/comandos.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <ostream>

namespace app::cli {

namespace {

std::optional<core::Fecha> fecha(const core::Argumentos& argumentos, const std::string& nombre) {
    const auto texto = argumentos.valor(nombre);
    return texto ? std::optional<core::Fecha>(core::fechaDesdeAAAAMMDD(*texto)) : std::nullopt;
}

} // namespace

int ComandoExportar(const std::vector<std::string>& args, const std::string& carpeta,
                    std::ostream& salida, std::ostream& /*errores*/) {
    const core::Argumentos argumentos(args, {"--desde", "--hasta"}, {});
    if (!argumentos.posicionales().empty()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Argumento de más: " + argumentos.posicionales()[0]);
    }
    const exportacion::PeriodoExportacion periodo{fecha(argumentos, "--desde"),
                                                  fecha(argumentos, "--hasta")};
    core::Reloj reloj;
    store::Contexto ctx(carpeta, reloj);
    exigirConfiguracion(carpeta);
    abrirAlmacenParaLeer(ctx);
    salida << exportacion::EscribirExportacion(ctx, exportacion::FiltroExportacion(periodo),
                                               periodo)
           << "\n";
    return 0;
}

} // namespace app::cli
