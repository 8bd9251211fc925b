#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app::cli {

// "ranking --agrupar ...": the ranking window's list with the given choices,
// printed one line per group, or its statement with --sql.
int ComandoRanking(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                   std::ostream& salida, std::ostream& errores);

} // namespace app::cli
