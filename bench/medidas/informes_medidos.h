#pragma once

#include <string>
#include <vector>

namespace medidas {

// informes CARPETA [VECES]: each report of the "Informes" menu as its window
// runs it (statement and grid), without filters and over the school year up
// to today, and the summary; "informe_<nombre>[_periodo]_ms" lines.
int medirInformes(const std::vector<std::string>& args);

} // namespace medidas
