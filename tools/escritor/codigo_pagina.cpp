#include "codigo_pagina.h"

#include "error.h"
#include "texto.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

// Code points of bytes 0x80 to 0xFF in CP850.
constexpr std::array<char16_t, 128> kCp850 = {
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

// Code points of bytes 0x80 to 0x9F in Windows-1252 (0xA0 up is Latin-1);
// the five unassigned bytes stand for themselves.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

using Inversa = std::array<std::pair<char32_t, unsigned char>, 128>;

Inversa invertir(CodigoPagina codigo) {
    Inversa r{};
    for (int i = 0; i < 128; ++i) {
        char32_t cp = static_cast<char32_t>(0x80 + i);
        if (codigo == CodigoPagina::Cp850) {
            cp = kCp850[static_cast<std::size_t>(i)];
        } else if (i < 32) {
            cp = kWindows1252[static_cast<std::size_t>(i)];
        }
        r[static_cast<std::size_t>(i)] = {cp, static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(r.begin(), r.end());
    return r;
}

unsigned char byteDe(char32_t cp, CodigoPagina codigo) {
    static const Inversa cp850 = invertir(CodigoPagina::Cp850);
    static const Inversa ansi = invertir(CodigoPagina::Windows1252);
    const Inversa& tabla = codigo == CodigoPagina::Cp850 ? cp850 : ansi;
    const auto it = std::lower_bound(tabla.begin(), tabla.end(),
                                     std::make_pair(cp, static_cast<unsigned char>(0)));
    if (it == tabla.end() || it->first != cp) {
        char nombre[16];
        std::snprintf(nombre, sizeof nombre, "U+%04X", static_cast<unsigned>(cp));
        throw Error(Error::ArgumentoInvalido,
                    std::string("El carácter ") + nombre + " no existe en la página de códigos");
    }
    return it->second;
}

// Plain capital of a Windows-1252 letter in 0xC0-0xFF, or 0 when it has none.
unsigned char capitalAnsi(unsigned char c) {
    static constexpr char kLetras[] = "AAAAAAECEEEEIIII"             // C0-CF
                                      "\0NOOOOO\0OUUUUY\0\0";        // D0-DF
    const unsigned char fila = static_cast<unsigned char>(c & 0xDF); // lower half folds up
    if (c == 0xDF || c == 0xF7 || c == 0xD7) {
        return 0;
    }
    if (c == 0xFF) {
        return 'Y';
    }
    return static_cast<unsigned char>(kLetras[fila - 0xC0]);
}

} // namespace

std::string codificar(std::string_view utf8, CodigoPagina codigo) {
    if (codigo == CodigoPagina::SinConvertir) {
        return std::string(utf8);
    }
    std::string r;
    r.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            r += utf8[i++];
            continue;
        }
        const char32_t cp = texto::siguienteCodigo(utf8, i);
        if (codigo == CodigoPagina::Windows1252 && cp >= 0xA0 && cp <= 0xFF) {
            r += static_cast<char>(cp);
        } else {
            r += static_cast<char>(byteDe(cp, codigo));
        }
    }
    return r;
}

unsigned char mayusculaIsis(unsigned char c, CodigoPagina codigo) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 'a' + 'A');
    }
    if (codigo == CodigoPagina::Windows1252) {
        if (c >= 0xC0) {
            const unsigned char m = capitalAnsi(c);
            return m != 0 ? m : c;
        }
        return c;
    }
    static constexpr char kDos[] = "CUEAAAACEEEIIIAA" // 80-8F
                                   "EEEOOOUUYOU";     // 90-9A
    if (c >= 0x80 && c <= 0x9A) {
        return static_cast<unsigned char>(kDos[c - 0x80]);
    }
    if (c >= 0xA0 && c <= 0xA5) {
        return static_cast<unsigned char>("AIOUNN"[c - 0xA0]);
    }
    return c;
}

bool letraIsis(unsigned char c, CodigoPagina codigo) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        return true;
    }
    if (codigo == CodigoPagina::Windows1252) {
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
    return (c >= 0x80 && c <= 0x9A) || (c >= 0xA0 && c <= 0xA5);
}
