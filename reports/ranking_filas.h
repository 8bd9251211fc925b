#pragma once

#include "reports/ranking.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {
struct Contexto;
}

namespace reports::ranking {

// One group of the ranking: the values of slots 0 to 7 (empty when the slot
// is empty or the value null) and its loan count.
struct FilaRanking {
    std::array<std::string, RanurasMostradas> valores;
    std::int64_t cant = 0;
};

// What a refresh read: the field list and the first N groups, largest first,
// in the order the store returned them.
struct Ranking {
    ListaCampos campos;
    std::vector<FilaRanking> filas;
};

// How values are shown: counts, or percentages of every loan loaded
// (`totalPrestamos`, whatever the filters), with the given decimal separator.
struct Presentacion {
    bool porcentaje = true;
    std::int64_t totalPrestamos = 0;
    std::string separadorDecimal = ".";
};

// The count, or cant x 100 / total rounded to two decimals and written without
// trailing zeros ("12,5"). Percentages with no loans loaded throw Error(11).
std::string ValorMostrado(std::int64_t cant, const Presentacion& p);
// The same value as the chart's number.
double ValorGrafico(std::int64_t cant, const Presentacion& p);
// "value - value -  (shown) ": the list line without its line break, which is
// also the bar's label.
std::string LineaRanking(const FilaRanking& fila, const ListaCampos& campos, const Presentacion& p);
// Every line followed by a carriage return and line feed.
std::string TextoLista(const Ranking& r, const Presentacion& p);

// The bars requested in the bar-count box. The chart takes 1 to 255 bars:
// an empty or unreadable box asks for the usual 5, 0 for one bar, anything
// above 255 for 255.
constexpr int BarrasPorOmision = 5;
constexpr int BarrasMaximas = 255;
int BarrasPedidas(std::string_view texto);

// A character typed into the bar-count box: digits and Backspace are taken,
// Enter refreshes, anything else is discarded.
enum class Tecla { Aceptar, Listar, Descartar };
Tecla TeclaEnBarras(char32_t caracter);

// Reads ahead, on another connection and thread, the rankings a first
// refresh most often asks for: every grouping, unfiltered, with its own
// column alone and with every column it offers. The window's refresh then
// finds them kept, as long as the store has not changed since.
void AnticiparRankings(store::Contexto& ctx);

// Composes the statement, runs it and reads at most `barras` groups.
Ranking EjecutarRanking(store::Contexto& ctx, int agrupacion, const Marcas& marcas,
                        const EstadoFiltros& filtros, int barras);

} // namespace reports::ranking
