#pragma once

#include "core/reloj.h"

#include <string>
#include <vector>

class QPrinter;

namespace reports::informes {
struct AvisoDevolucion;
}

namespace reports::ui {

// Prints the notices on portrait pages in "Verdana" 9, several to a page,
// and ends the document. Throws Error when the printer cannot be used.
void ImprimirAvisos(QPrinter& impresora, const std::vector<informes::AvisoDevolucion>& avisos,
                    const std::string& cue, core::Fecha hoy);

} // namespace reports::ui
