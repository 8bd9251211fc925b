#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace reports {

struct TablaSalida;

// A value as one CSV field: between double quotes, the quotes inside
// doubled, when it holds a comma, a quote, a line break or blanks at an end;
// as it is otherwise.
void AgregarCampoCsv(std::string& destino, std::string_view valor);

// The table as comma-separated text for spreadsheet programs: a UTF-8
// byte-order mark, the captions, then every row, each line ended by CR LF.
// Written in blocks as the rows are read.
void EscribirCsv(const TablaSalida& tabla, std::ostream& salida);

} // namespace reports
