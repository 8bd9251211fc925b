#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app::cli {

// The loan list and the two searches without a display: each prints the
// grid as tab-separated lines (header first, no trailing empty row), or with
// --sql the statement alone, running nothing.
int ComandoLista(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                 std::ostream& salida, std::ostream& errores);
int ComandoBuscarLibros(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                        std::ostream& salida, std::ostream& errores);
int ComandoBuscarUsuarios(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                          std::ostream& salida, std::ostream& errores);

} // namespace app::cli
