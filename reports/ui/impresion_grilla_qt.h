#pragma once

class QPrinter;

namespace reports {
class Grilla;
}

namespace reports::ui {

// Prints the grid on the chosen printer as a ruled landscape table in
// "Verdana" 6 (or the closest installed font), from (izquierda, arriba) in
// twips, page after page, and ends the document. Throws Error when the
// printer cannot be used.
void ImprimirGrilla(QPrinter& impresora, const Grilla& grilla, double izquierda, double arriba);

} // namespace reports::ui
