#pragma once

#include "core/carpetas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace app::cli {

// "exportar [--desde AAAAMMDD] [--hasta AAAAMMDD]": the XML export, the same
// bytes the export dialog writes for those dates; prints the file's path.
int ComandoExportar(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                    std::ostream& salida, std::ostream& errores);

} // namespace app::cli
