#pragma once

#include "core/reloj.h"
#include "reports/condicion_filtros.h"

#include <optional>
#include <string>
#include <vector>

namespace core {
class Argumentos;
}

namespace app::cli {

// The position of `texto` in `items`, compared exactly. Throws Error 5
// naming the list ("de temáticas") when it is not an item.
int PosicionEnLista(const std::vector<std::string>& items, const std::string& texto,
                    const std::string& lista);

// The date of an option given as AAAAMMDD, nothing when the option is
// absent. Throws Error 5 on anything else.
std::optional<core::Fecha> FechaDeOpcion(const core::Argumentos& argumentos,
                                         const std::string& opcion);

// The filter panel of the reports as the options --tipo and --tematica (an
// item text of their lists), --grado (a position 0-44 in the grade list) and
// --desde and --hasta choose it. Throws Error 5 with a Spanish message.
reports::EstadoFiltros FiltrosDeOpciones(const core::Argumentos& argumentos);

} // namespace app::cli
