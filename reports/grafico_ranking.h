#pragma once

#include "reports/ranking_filas.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The ranking chart as a grid of data, independent of the component that
// draws it: rows, columns, labels, values and per-series colours. Every grid
// row is one series.
namespace reports::ranking {

struct ColorRGB {
    int r, g, b;
    bool operator==(const ColorRGB&) const = default;
};

// The colours of series 1 to 13; later series keep the chart's own colours.
const std::array<ColorRGB, 13>& PaletaSeries();
// The line's colour when the cycle turns the bars into a line.
constexpr ColorRGB NaranjaLinea{255, 102, 0};

enum class TipoGrafico { Barras = 1, Linea = 3, Torta = 14 };

struct DatosGrafico {
    TipoGrafico tipo = TipoGrafico::Barras;
    std::vector<std::string> etiquetasFila;
    std::vector<std::string> etiquetasColumna;
    std::vector<std::vector<double>> valores; // [row][column]
    bool leyenda = true;
    // One per series (row); nullopt keeps the chart's own colour.
    std::vector<std::optional<ColorRGB>> colores;
    bool marcadoresSerie1 = false;
    // Column labels written upwards, when many stand side by side.
    bool etiquetasVerticales = false;
    // The values are percentages: the value axis never runs past 100.
    bool porcentajes = false;

    int filas() const { return static_cast<int>(etiquetasFila.size()); }
    int columnas() const { return static_cast<int>(etiquetasColumna.size()); }
};

// The value axis of a chart of counts or percentages: from 0 to `tope` in
// whole steps of `paso` (1, 2 or 5 times a power of ten, at most eight of
// them), the top one above the largest value; a percentage axis tops out at
// 100.
struct EscalaValores {
    double tope;
    double paso;
};
EscalaValores Escala(const DatosGrafico& g);

// Lays the ranking out in the chart's current type: a line is one series of N
// columns labelled with the bar labels and no legend; bars and pie are N
// series of one column with a legend. Returns N, which the window writes back
// into its bar-count box.
int Graficar(DatosGrafico& g, const Ranking& r, const Presentacion& p);

// Blanks the chart after an empty result: the same number of rows, every
// label that carries ranking text emptied and every value 0.
void LimpiarGrafico(DatosGrafico& g);

// The type cycle bar -> line -> pie -> bar. Returns the number the bar-count
// box shows afterwards: N when the chart was redrawn, else 5.
int SiguienteTipo(DatosGrafico& g, const Ranking& r, const Presentacion& p);

} // namespace reports::ranking
