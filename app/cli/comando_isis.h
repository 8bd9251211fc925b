#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app::cli {

// estadisticas-cli isis volcar|terminos|buscar|formatear RUTA ...: the ISIS
// reader from the command line. RUTA is the master file, with or without
// its extension. Returns the exit code.
int ComandoIsis(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                std::ostream& salida, std::ostream& errores);

} // namespace app::cli
