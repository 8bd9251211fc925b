#include "app/cli/comando_cargar.h"

#include "app/cli/comandos.h"
#include "core/reloj.h"
#include "isis/carga/carga.h"
#include "store/contexto.h"

#include <ostream>

namespace app::cli {

int ComandoCargar(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                  std::ostream& salida, std::ostream& errores) {
    if (!args.empty()) {
        errores << "cargar no admite argumentos: " << args.front() << "\n";
        return 1;
    }
    core::Reloj reloj;
    store::Contexto ctx(carpetas, reloj);
    const carga::ResultadoCarga resultado = carga::CargarDatos(ctx);
    // What the windows show before the outcome ("No existe la base de datos ...").
    for (const std::string& aviso : resultado.avisos) {
        errores << aviso << "\n";
    }
    switch (resultado.tipo) {
    case carga::ResultadoCarga::Tipo::Exito:
        salida << resultado.filas << "\n";
        return 0;
    case carga::ResultadoCarga::Tipo::FaltaRuta:
        errores << carga::MensajeFaltaRuta << "\n";
        return 2;
    case carga::ResultadoCarga::Tipo::Error:
    case carga::ResultadoCarga::Tipo::SinAlmacen:
        break;
    }
    imprimirError(errores, *resultado.error);
    return 1;
}

} // namespace app::cli
