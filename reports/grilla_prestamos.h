#pragma once

#include "reports/grilla.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {
struct Contexto;
class Registros;
} // namespace store

namespace reports {

// One data column of a loan grid: caption in row 0, width in twips, and the
// presta column it shows, which is also its order key on a double-click.
struct ColumnaGrilla {
    const char* titulo;
    int ancho;
    const char* campo;
};

// Width of column 0, the row numbers.
constexpr int AnchoNumeroFila = 300;

// Columns 1 to 13 of the loan list and the book search.
const std::vector<ColumnaGrilla>& ColumnasPrestamos();
// Columns 1 to 14 of the member search: "Inventario" narrower, "Suspendido" added.
const std::vector<ColumnaGrilla>& ColumnasUsuarios();

// The records of a list run as grid rows: each data column's text, empty
// for a NULL or blank field (any other value as stored).
class FilasGrilla {
public:
    // Finds every column in the row set; throws Error when one is missing.
    FilasGrilla(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas);
    // Reads the next record into celdas(); false when there is none. The
    // texts stay valid until the next call.
    bool leer();
    const std::vector<std::string_view>& celdas() const { return celdas_; }

private:
    store::Registros& registros_;
    std::vector<int> campos_;
    std::vector<std::string_view> celdas_;
    bool primera_ = true;
};

// The grid of a list run: header row, one row per record numbered from 1,
// a NULL or blank field shown empty (any other value as stored), a trailing
// empty row, and the selection left on the last written cell.
Grilla LlenarGrilla(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas);

// The same grid from rows already read, one value per column.
Grilla GrillaDeFilas(const std::vector<std::vector<std::string>>& filas,
                     const std::vector<ColumnaGrilla>& columnas);

// Runs the statement (forward-only, read-only) and fills a new grid from it.
// Throws Error; the caller's grid is only replaced when everything worked.
Grilla GrillaDeConsulta(store::Contexto& ctx, const std::string& sentencia,
                        const std::vector<ColumnaGrilla>& columnas);

// The order key a double-click asks for: only with row 1 current (a header
// click makes it so) and a data column selected; column 0 gives nothing.
std::optional<std::string> ClaveOrden(const Grilla& grilla,
                                      const std::vector<ColumnaGrilla>& columnas);

// The grid LlenarGrilla would fill as text, written as the records are read:
// every row but the trailing empty one, cells separated by tabs, one line
// each; tabs, line breaks and control characters inside a cell are escaped
// (core::texto::campoTabulado), so no value shifts a column.
void EscribirTabulado(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas,
                      std::ostream& salida);

} // namespace reports
