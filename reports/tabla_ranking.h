#pragma once

#include "reports/grilla_prestamos.h"
#include "reports/ranking_filas.h"

#include <vector>

namespace reports::ranking {

// The ranking as a table: one column per field the list shows, captioned as
// the loan grid captions it, then the count ("Préstamos") or the percentage
// ("%") as the list shows it.
std::vector<ColumnaGrilla> ColumnasRanking(const Ranking& r, const Presentacion& p);

// Its grid as every list has it: captions, numbered rows, a trailing empty row.
Grilla GrillaRanking(const Ranking& r, const Presentacion& p);

} // namespace reports::ranking
