#include "isis/carga/ruta_base.h"

#include "core/error.h"
#include "isis/modulo_isis.h"

namespace carga {

void DividirRuta(const std::string& ruta, isis::BaseIsis& base) {
    const std::size_t separador = ruta.find_last_of("/\\");
    const std::size_t inicioNombre = separador == std::string::npos ? 0 : separador + 1;
    const std::size_t punto = ruta.rfind('.');
    if (punto == std::string::npos || punto < inicioNombre) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "La ruta no nombra un archivo maestro con extensión: " + ruta);
    }
    base.Carpeta = ruta.substr(0, inicioNombre);
    base.Nombre = ruta.substr(inicioNombre, punto - inicioNombre);
}

} // namespace carga
