#pragma once

#include <string>
#include <string_view>

// The 8-bit character set a database's text is written in. `SinConvertir`
// writes the given bytes as they are (for tests that need exact bytes).
enum class CodigoPagina { Cp850, Windows1252, SinConvertir };

// UTF-8 text in the code page; throws Error(5) for a character the code page lacks.
std::string codificar(std::string_view utf8, CodigoPagina codigo);

// The ISIS upper-case table (ISISUC) that inverted files are built with: the
// DOS table for CP850 (accented letters become plain capitals, Á Í Ó Ú stay),
// its Windows counterpart for Windows-1252.
unsigned char mayusculaIsis(unsigned char c, CodigoPagina codigo);

// The word characters (ISISAC) that split text into keys for indexing by words.
bool letraIsis(unsigned char c, CodigoPagina codigo);
