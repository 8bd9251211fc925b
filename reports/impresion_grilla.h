#pragma once

#include <string>
#include <vector>

namespace reports {

class Grilla;

// What printing needs from a printer: text width and line height, in twips,
// with the printer's current font.
class MedidorTexto {
public:
    virtual ~MedidorTexto() = default;
    virtual double ancho(const std::string& texto) const = 0;
    virtual double altoLinea() const = 0;
};

// One thing to draw, in twips from the page's origin. A text has its top
// left corner at (x1, y1); a line runs from (x1, y1) to (x2, y2); a box is
// the outline with those corners.
struct OperacionDibujo {
    enum class Tipo { Texto, Linea, Caja };
    Tipo tipo;
    double x1;
    double y1;
    double x2;
    double y2;
    std::string texto;
};
using PaginaImpresa = std::vector<OperacionDibujo>;

// Space left and right of a cell's text, and above and below it.
constexpr double MargenCelda = 60;

// The text cut from the right, one character at a time, until it measures
// at most `ancho`; a text that fits comes back whole.
std::string AjustarAncho(const MedidorTexto& impresora, std::string texto, double ancho);

// Every cell of the grid (captions, row numbers and the trailing empty row
// included) as a ruled table at (izquierda, arriba): a box around it, a rule
// between rows and between columns, each text 60 twips inside its cell and
// cut to the column's width. The table is never scaled. With `altoPagina`
// above 0, rows that would end below it go to a new page that repeats the
// header row and is ruled and boxed on its own.
std::vector<PaginaImpresa> ImprimirGrilla(const MedidorTexto& impresora, const Grilla& grilla,
                                          double izquierda, double arriba, double altoPagina = 0);

} // namespace reports
