#pragma once

#include <string>
#include <string_view>

namespace escritor {

// The 8-bit character set a database is written in: the reader's two code
// pages, plus `SinConvertir`, which writes the given bytes as they are (for
// tests that need exact bytes).
enum class PaginaEscrita { Cp850, Windows1252, SinConvertir };

// UTF-8 text in the code page; throws Error(5) for a character the code page lacks.
std::string codificar(std::string_view utf8, PaginaEscrita codigo);

// The ISIS upper-case table (ISISUC) that inverted files are built with, the
// same one the reader upper-cases search keys with.
unsigned char mayusculaIsis(unsigned char c, PaginaEscrita codigo);

// The word characters (ISISAC) that split text into keys for indexing by words.
bool letraIsis(unsigned char c, PaginaEscrita codigo);

} // namespace escritor
