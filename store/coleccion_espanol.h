#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace store {

// The weight of one character in the store's text order: the primary weight
// (its letter, case folded) decides, the accent (0 none, then acute, grave,
// diaeresis, circumflex, tilde ...) only breaks ties between equal letters.
struct PesoEspanol {
    std::uint32_t primario;
    std::uint8_t acento;
};
PesoEspanol pesoEspanol(char32_t c);

// Text order of the store: case-insensitive (Unicode case folding, so
// "ALUMNO" = "alumno" and "Ñ" = "ñ") but accent-sensitive; accented vowels
// sort beside their base letter and ñ after n. Returns <0, 0 or >0.
int compararEspanol(std::string_view a, std::string_view b);

// The text with every letter in lower case: two texts have the same key
// exactly when compararEspanol finds them equal, so the key serves a hash.
std::string claveEspanol(std::string_view texto);

// LIKE with % and _ under the same case folding (accent-sensitive).
bool parecidoEspanol(std::string_view texto, std::string_view patron, char32_t escape = 0);

} // namespace store
