#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app::cli {

// "estadisticas-cli cargar": the load run on the application folder's
// settings into its store. Prints the rows written; returns 0 on success, 2
// when a database path is missing (printing the paths message), 1 on any
// other error (printing "Error N: description").
int ComandoCargar(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                  std::ostream& salida, std::ostream& errores);

} // namespace app::cli
