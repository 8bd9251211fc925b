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
// left corner at (x1, y1) and is drawn `tamano` times the printer's font; a
// line runs from (x1, y1) to (x2, y2); a box is the outline with those
// corners; a chart fills the rectangle with those corners.
struct OperacionDibujo {
    enum class Tipo { Texto, Linea, Caja, Grafico };
    Tipo tipo;
    double x1;
    double y1;
    double x2;
    double y2;
    std::string texto;
    double tamano = 1;
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

// The printable part of a page, in twips.
struct Hoja {
    double ancho;
    double alto;
};

// The heading's first line, the caption, is this much larger than the rest.
constexpr double TamanoTitulo = 1.5;

// How wide the printed table of the grid is, box included.
double AnchoImpreso(const Grilla& grilla);

// The grid as ImprimirGrilla rules it, under the heading's lines on every
// page and above room for the page number. A grid wider than the page is
// scaled down to the page's width, text and all, so no column is lost; long
// grids break across pages with the header row repeated.
std::vector<PaginaImpresa> PaginasGrilla(const MedidorTexto& impresora, const Grilla& grilla,
                                         const std::vector<std::string>& encabezado, Hoja hoja);

// A page with the heading, a chart filling what is left and `descripcion`
// under it.
PaginaImpresa PaginaGrafico(const MedidorTexto& impresora,
                            const std::vector<std::string>& encabezado,
                            const std::string& descripcion, Hoja hoja);

// "Página N de M" at the foot of every page, on its right.
void NumerarPaginas(const MedidorTexto& impresora, std::vector<PaginaImpresa>& paginas, Hoja hoja);

} // namespace reports
