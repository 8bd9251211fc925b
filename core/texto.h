#pragma once

#include <string>
#include <string_view>

// Small text helpers over UTF-8 strings, shared by every layer.
namespace core::texto {

// Blanks and tabs removed from both ends.
std::string recortar(std::string_view s);
// Blanks only (the ISIS layer trims blanks, not tabs).
std::string recortarBlancos(std::string_view s);
// The same part of `s`, without a copy.
std::string_view vistaSinBlancos(std::string_view s);
std::string mayusculasAscii(std::string_view s);
// Case-insensitive equality, with Unicode case folding for Latin letters.
bool igualesSinMayusculas(std::string_view a, std::string_view b);
// The first n characters (code points) of a UTF-8 text.
std::string prefijoUtf8(std::string_view s, std::size_t n);
std::size_t largoUtf8(std::string_view s);
// Every apostrophe doubled, for a text placed between quotes in a statement.
std::string comillasSql(std::string_view s);
// A value as one field of tab-separated output: backslash, tab, line breaks
// and every other control character written as an escape (\\, \t, \n, \r,
// \xHH), so that a value never shifts a column nor reaches a terminal raw.
std::string campoTabulado(std::string_view valor);
// The same, appended to `destino`: for output written row by row.
void agregarCampoTabulado(std::string& destino, std::string_view valor);

// The Latin letters with diacritics of Latin-1 written as their base letter
// (á as a, Ñ as N, ç as c), case kept: typed search text and stored text
// compared this way match whatever accents either carries.
std::string sinAcentos(std::string_view s);
// Whether accents may matter to the text: it holds an ASCII letter or a
// character from À on (signs such as × and ÷ aside).
bool admiteAcentos(std::string_view s);

// Decodes one code point at s[i], advancing i. Invalid bytes decode as
// themselves (Latin-1) so no text is ever lost.
char32_t siguienteCodigo(std::string_view s, std::size_t& i);
void agregarUtf8(std::string& destino, char32_t codigo);
// Lower-case form of a code point (Latin-1, Latin Extended-A and Greek/Cyrillic basics).
char32_t minuscula(char32_t c);
char32_t mayuscula(char32_t c);

} // namespace core::texto
