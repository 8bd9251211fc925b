#pragma once

#include <functional>
#include <string>
#include <vector>

namespace reports {

struct TablaSalida;

// The table as a spreadsheet workbook at `ruta`: the sheet "Datos" with the
// captions in a bold, frozen first row under an autofilter, the columns as
// wide as the grid's, numbers as numbers and "yyyymmdd" dates as dates shown
// dd/mm/yyyy; then the sheet "Información" with `encabezado`, line by line,
// which also gives the file's title and comments. Rows are written as they
// are read. The file appears whole or not at all; throws Error(ErrorArchivo).
// `encabezado` is asked for once the rows are written, so it may count them.
void EscribirXlsx(const std::string& ruta, const TablaSalida& tabla,
                  const std::function<std::vector<std::string>()>& encabezado);

} // namespace reports
