#pragma once

#include "core/reloj.h"

#include <string>
#include <vector>

class QPrinter;

namespace reports {
class Grilla;
}
namespace reports::informes {
struct AvisoDevolucion;
}

namespace reports::ui {

// Prints the grid on the chosen printer as a ruled landscape table in
// "Verdana" 6 (or the closest installed font), from (izquierda, arriba) in
// twips, page after page, and ends the document. Throws Error when the
// printer cannot be used.
void ImprimirGrilla(QPrinter& impresora, const Grilla& grilla, double izquierda, double arriba);

// Prints the notices on portrait pages in "Verdana" 9, several to a page,
// and ends the document. Throws Error when the printer cannot be used.
void ImprimirAvisos(QPrinter& impresora, const std::vector<informes::AvisoDevolucion>& avisos,
                    const std::string& cue, core::Fecha hoy);

} // namespace reports::ui
