#pragma once

#include "reports/condicion_filtros.h"
#include "reports/grilla_prestamos.h"

#include <string>
#include <vector>

namespace store {
struct Contexto;
}

// The librarian's reports beyond the rankings and the lists: participation by
// grade, members without loans, copies without use, the overdue follow-up
// and the monthly trend. Each is one statement over presta and the tables
// the load fills for them (usuarios, ejemplares), with the filter panel's
// own condition texts: member type and grade on the member's usuarios row,
// the subject on the copy or the loan, the period on the loan date.
// A member's loans are the rows whose dni equals the member's as the store
// compares text (without regard to case); a copy's, the rows whose inventory
// number, trimmed, equals the copy's.
namespace reports::informes {

enum class Informe { Participacion, SinPrestamos, SinUso, Atrasos, Mensual };

// Which of the panel's filters a report takes; the command line refuses
// the others and the windows switch them off.
struct FiltrosAdmitidos {
    bool tipo = true;
    bool grado = true;
    bool tematica = true;
    bool desde = true;
    bool hasta = true;
};

struct DefinicionInforme {
    Informe informe;
    const char* nombre; // the word of the command line, "sin-prestamos"
    const char* titulo; // the window's caption
    // Captions, widths and column names; the names head the command line's output.
    std::vector<ColumnaGrilla> columnas;
    const char* orden; // the report's own order, behind ORDER BY
    FiltrosAdmitidos admite;
};

// The five reports, in the order of the menu.
const std::vector<DefinicionInforme>& Informes();
const DefinicionInforme& Definicion(Informe informe);

// Participation's last row, whose counts are the sums of the grades'.
inline constexpr const char* FilaTotal = "TOTAL";

// The filters as the report takes them: the others left out.
EstadoFiltros FiltrosAdmitidosDe(Informe informe, const EstadoFiltros& filtros);

// The report's statement ordered by `VOrden`: the report's own order, or a
// column name when a header asks for it (participation's total row stays
// last). Filters the report does not take are ignored. The copies without
// use are the exception: this is the statement of the copies of the
// subject, whose loans are counted apart and which are ordered in memory.
std::string SentenciaInforme(Informe informe, const EstadoFiltros& filtros,
                             const std::string& VOrden);

// The loans of the monthly report's months, summed: one count, without
// grouping by month or reading the year before.
std::string SentenciaPrestamosDelPeriodo(const EstadoFiltros& filtros);

// Runs the report into a grid as every list shows it: header row, one
// numbered row per result row, a trailing empty row. Counts are plain
// integers, percentages have one decimal, dates are as stored. Throws Error.
Grilla GrillaInforme(store::Contexto& ctx, Informe informe, const EstadoFiltros& filtros,
                     const std::string& VOrden);

// The grid as the command line prints it: the column names, then each row,
// tab-separated, without the row numbers and the trailing empty row.
std::string TextoInforme(const Grilla& grilla, const DefinicionInforme& definicion);

} // namespace reports::informes
