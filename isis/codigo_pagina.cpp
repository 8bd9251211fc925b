#include "isis/codigo_pagina.h"

#include "core/texto.h"

namespace isis {

namespace {

constexpr std::array<char32_t, 128> kCp850{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

// Windows-1252's 0x80-0x9F; the five unassigned bytes keep their Latin-1 value.
constexpr std::array<char32_t, 32> kW1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The DOS upper-case table's accented letters 0x80-0xA5, as plain capitals.
constexpr char kMayusculasDos[] = "CUEAAAACEEEIIIAAEEEOOOUUYOU"
                                  "\x9B\x9C\x9D\x9E\x9F"
                                  "AIOUNN";
// Latin-1 0xC0-0xFF to plain capitals ('*' keeps the byte).
constexpr char kMayusculasAnsi[] = "AAAAAAECEEEEIIIIDNOOOOO*OUUUUY**"
                                   "AAAAAAECEEEEIIIIDNOOOOO*OUUUUY*Y";

} // namespace

CodigoPagina::CodigoPagina(Tipo tipo) : tipo_(tipo) {
    for (int i = 0; i < 128; ++i) {
        altos_[static_cast<std::size_t>(i)] = tipo == Tipo::Cp850
                                                  ? kCp850[static_cast<std::size_t>(i)]
                                              : i < 32 ? kW1252[static_cast<std::size_t>(i)]
                                                       : static_cast<char32_t>(0x80 + i);
    }
    for (int i = 0; i < 256; ++i) {
        auto c = static_cast<unsigned char>(i);
        if (c >= 'a' && c <= 'z') {
            c = static_cast<unsigned char>(c - 'a' + 'A');
        } else if (tipo == Tipo::Cp850 && c >= 0x80 && c <= 0xA5) {
            c = static_cast<unsigned char>(kMayusculasDos[c - 0x80]);
        } else if (tipo == Tipo::Windows1252 && c >= 0xC0 && kMayusculasAnsi[c - 0xC0] != '*') {
            c = static_cast<unsigned char>(kMayusculasAnsi[c - 0xC0]);
        }
        mayusculas_[static_cast<std::size_t>(i)] = c;
    }
}

CodigoPagina CodigoPagina::detectar(std::string_view muestra) {
    std::size_t latinas = 0;
    std::size_t dos = 0;
    for (const char ch : muestra) {
        const auto c = static_cast<unsigned char>(ch);
        latinas += c >= 0xE0 ? 1 : 0;
        dos += (c >= 0x80 && c <= 0xA5) ? 1 : 0;
    }
    const bool windows = latinas >= 8 && latinas >= 4 * dos;
    return CodigoPagina(windows ? Tipo::Windows1252 : Tipo::Cp850);
}

std::string CodigoPagina::aUtf8(std::string_view bytes) const {
    std::string r;
    r.reserve(bytes.size() + bytes.size() / 8);
    // Runs of ASCII, most of any text, go across whole.
    std::size_t desde = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x80) {
            r.append(bytes.substr(desde, i - desde));
            core::texto::agregarUtf8(r, altos_[c - 0x80]);
            desde = i + 1;
        }
    }
    r.append(bytes.substr(desde));
    return r;
}

std::string CodigoPagina::desdeUtf8(std::string_view utf8) const {
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = core::texto::siguienteCodigo(utf8, i);
        if (c < 0x80) {
            r += static_cast<char>(c);
            continue;
        }
        r += static_cast<char>(byteDe(c).value_or('?'));
    }
    return r;
}

std::optional<unsigned char> CodigoPagina::byteDe(char32_t c) const {
    for (std::size_t k = 0; k < altos_.size(); ++k) {
        if (altos_[k] == c) {
            return static_cast<unsigned char>(0x80 + k);
        }
    }
    return std::nullopt;
}

std::string CodigoPagina::mayusculas(std::string_view bytes) const {
    std::string r(bytes);
    for (char& c : r) {
        c = static_cast<char>(mayusculas_[static_cast<unsigned char>(c)]);
    }
    return r;
}

bool CodigoPagina::esLetra(unsigned char c) const {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        return true;
    }
    if (tipo_ == Tipo::Cp850) {
        return (c >= 0x80 && c <= 0x9A) || (c >= 0xA0 && c <= 0xA5);
    }
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

} // namespace isis
