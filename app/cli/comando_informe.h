#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app::cli {

// "informe participacion|sin-prestamos|sin-uso|atrasos|mensual [filters]":
// the report's grid, tab-separated, its column names first; "informe
// resumen [filters]": the summary as "clave<TAB>valor" lines. A filter the
// report does not take is refused.
int ComandoInforme(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                   std::ostream& salida, std::ostream& errores);

} // namespace app::cli
