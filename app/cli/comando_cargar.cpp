#include "app/cli/comando_cargar.h"

#include "core/reloj.h"
#include "core/ui/dialogos_guionados.h"
#include "isis/carga/carga.h"
#include "store/contexto.h"

#include <ostream>

namespace app::cli {

int ComandoCargar(const std::vector<std::string>& args, const std::string& carpeta,
                  std::ostream& salida, std::ostream& errores) {
    if (!args.empty()) {
        errores << "cargar no admite argumentos: " << args.front() << "\n";
        return 1;
    }
    core::Reloj reloj;
    core::ui::DialogosGuionados dialogos;
    store::Contexto ctx(carpeta, reloj, dialogos);
    const carga::ResultadoCarga resultado = carga::CargarDatos(ctx);
    const auto& avisos = dialogos.mensajes;
    if (resultado.tipo == carga::ResultadoCarga::Tipo::SinAlmacen) {
        // The store's own message carries the error number as its title.
        errores << "Error " << avisos.back().titulo << ": " << avisos.back().texto << "\n";
        return 1;
    }
    // What the windows would have shown on the way ("No existe la base de datos ...").
    for (const auto& m : avisos) {
        errores << m.texto << "\n";
    }
    switch (resultado.tipo) {
    case carga::ResultadoCarga::Tipo::Exito:
        salida << resultado.filas << "\n";
        return 0;
    case carga::ResultadoCarga::Tipo::FaltaRuta:
        errores << carga::MensajeFaltaRuta << "\n";
        return 2;
    default:
        errores << "Error " << resultado.error->numero() << ": " << resultado.error->descripcion()
                << "\n";
        return 1;
    }
}

} // namespace app::cli
