#pragma once

#include "reports/grilla_prestamos.h"

#include <string>
#include <string_view>
#include <vector>

namespace reports {

class Grilla;

// How a spreadsheet should hold a column's values.
enum class TipoColumna {
    Texto,
    Numero, // counts, percentages, row numbers: a value that reads as a number is one
    Fecha,  // "yyyymmdd": a valid date is one
};

// The kind of a presta or report column, by its column name; identifiers
// (DNI, legajo, inventory) stay text whatever digits they hold.
TipoColumna TipoDeCampo(std::string_view campo);

// A table's rows read one at a time, so that a long list never sits in
// memory whole.
class FilasSalida {
public:
    virtual ~FilasSalida() = default;
    // Reads the next row into celdas(); false when there is none. The texts
    // stay valid until the next call.
    virtual bool leer() = 0;
    virtual const std::vector<std::string_view>& celdas() const = 0;
};

// What a file writer needs: one caption, width in twips and kind per column,
// and the rows.
struct TablaSalida {
    std::vector<std::string> titulos;
    std::vector<int> anchos;
    std::vector<TipoColumna> tipos;
    FilasSalida& filas;
};

// The columns of a grid as a file shows them: `numeroFila` adds the row
// numbers' column (empty caption) before the data columns.
struct ColumnasSalida {
    std::vector<std::string> titulos;
    std::vector<int> anchos;
    std::vector<TipoColumna> tipos;
};
ColumnasSalida ColumnasDe(const std::vector<ColumnaGrilla>& columnas, bool numeroFila);

// The data rows of a grid (1 up to the trailing empty row), from column
// `primera` on.
class FilasDeGrilla : public FilasSalida {
public:
    FilasDeGrilla(const Grilla& grilla, int primera);
    bool leer() override;
    const std::vector<std::string_view>& celdas() const override { return celdas_; }

private:
    const Grilla& grilla_;
    int primera_;
    int fila_ = 0;
    std::vector<std::string_view> celdas_;
};

// A list's records as they are read, each numbered from 1 in a first cell.
class FilasNumeradas : public FilasSalida {
public:
    explicit FilasNumeradas(FilasGrilla& filas) : filas_(filas) {}
    bool leer() override;
    const std::vector<std::string_view>& celdas() const override { return celdas_; }

private:
    FilasGrilla& filas_;
    long numero_ = 0;
    std::string textoNumero_;
    std::vector<std::string_view> celdas_;
};

// Every row of the table in a grid: the captions in row 0, then the rows as
// they are, without row numbers of its own nor a trailing empty row.
Grilla GrillaDeTabla(const TablaSalida& tabla);

} // namespace reports
