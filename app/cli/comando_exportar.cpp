#include "comando_exportar.h"

#include "almacen.h"
#include "argumentos.h"
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
    // Nobody to answer: whatever the store would show is printed.
    DialogosGuionados dialogos;
    Contexto ctx(carpeta, reloj, dialogos);
    if (!AbrirBaseDatos(ctx)) {
        for (const auto& m : dialogos.mensajes) {
            errores << "Error " << m.titulo << ": " << m.texto << "\n";
        }
        return 1;
    }
    salida << EscribirExportacion(ctx, FiltroExportacion(periodo), periodo) << "\n";
    return 0;
}
