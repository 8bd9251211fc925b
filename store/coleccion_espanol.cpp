#include "store/coleccion_espanol.h"

#include "core/texto.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace store {

namespace {

constexpr std::uint32_t BaseLetras = 0x1000;

constexpr std::uint32_t pesoLetra(char letra) {
    // Letters after n move up one place to leave room for ñ.
    const auto pos = static_cast<std::uint32_t>(letra - 'a');
    return BaseLetras + 2 * pos + (letra > 'n' ? 2 : 0);
}
constexpr std::uint32_t PesoEnie = pesoLetra('n') + 1;

// Base letter and accent of the Latin-1 letters with diacritics (lower case).
PesoEspanol pesoLatino(char32_t c) {
    struct Fila {
        char32_t codigo;
        char base;
        std::uint8_t acento;
    };
    static constexpr std::array<Fila, 30> filas{{
        {0xE1, 'a', 1}, {0xE0, 'a', 2}, {0xE4, 'a', 3}, {0xE2, 'a', 4}, {0xE3, 'a', 5},
        {0xE5, 'a', 6}, {0xE9, 'e', 1}, {0xE8, 'e', 2}, {0xEB, 'e', 3}, {0xEA, 'e', 4},
        {0xED, 'i', 1}, {0xEC, 'i', 2}, {0xEF, 'i', 3}, {0xEE, 'i', 4}, {0xF3, 'o', 1},
        {0xF2, 'o', 2}, {0xF6, 'o', 3}, {0xF4, 'o', 4}, {0xF5, 'o', 5}, {0xF8, 'o', 7},
        {0xFA, 'u', 1}, {0xF9, 'u', 2}, {0xFC, 'u', 3}, {0xFB, 'u', 4}, {0xFD, 'y', 1},
        {0xFF, 'y', 3}, {0xE7, 'c', 8}, {0xE6, 'a', 9}, {0xF0, 'd', 9}, {0xFE, 't', 9},
    }};
    for (const Fila& f : filas) {
        if (f.codigo == c) {
            return {pesoLetra(f.base), f.acento};
        }
    }
    return {0x10000 + c, 0};
}

// A weight as one number: the primary weight above the accent, so two packed
// weights order as their primaries whenever those differ.
using Empaquetado = std::uint32_t;
constexpr int BitsAcento = 4;

Empaquetado empaquetar(PesoEspanol p) {
    return p.primario << BitsAcento | p.acento;
}

// Every code point UTF-8 writes in one or two bytes: what almost every text
// of a school library holds.
constexpr char32_t LimiteTabla = 0x800;
using TablaPesos = std::array<Empaquetado, LimiteTabla>;

const TablaPesos& tablaPesos() {
    static const TablaPesos tabla = [] {
        TablaPesos t{};
        for (char32_t c = 0; c < LimiteTabla; ++c) {
            t[c] = empaquetar(pesoEspanol(c));
        }
        return t;
    }();
    return tabla;
}

// The packed weight of the character at s[i], advancing i past it. One- and
// two-byte sequences are read here; anything longer or malformed is left to
// the shared decoder, which reads a stray byte as the Latin-1 character.
inline Empaquetado siguientePeso(std::string_view s, std::size_t& i, const TablaPesos& tabla) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return tabla[b0];
    }
    if ((b0 & 0xE0) == 0xC0 && i + 1 < s.size()) {
        const auto b1 = static_cast<unsigned char>(s[i + 1]);
        if ((b1 & 0xC0) == 0x80) {
            i += 2;
            return tabla[static_cast<char32_t>(b0 & 0x1F) << 6 | (b1 & 0x3F)];
        }
    }
    const char32_t c = core::texto::siguienteCodigo(s, i);
    return c < LimiteTabla ? tabla[c] : empaquetar(pesoEspanol(c));
}

// The first of the first n bytes where a and b differ (n when none does).
std::size_t primerByteDistinto(std::string_view a, std::string_view b, std::size_t n) {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Eight bytes at a time: in a word that differs, its lowest
        // differing byte is the first one.
        const auto diferencia = [&](std::size_t desde) {
            std::uint64_t x = 0;
            std::uint64_t y = 0;
            std::memcpy(&x, a.data() + desde, sizeof x);
            std::memcpy(&y, b.data() + desde, sizeof y);
            return x ^ y;
        };
        const auto primero = [](std::size_t desde, std::uint64_t d) {
            return desde + static_cast<std::size_t>(std::countr_zero(d) / 8);
        };
        constexpr std::size_t Palabra = sizeof(std::uint64_t);
        for (; i + Palabra <= n; i += Palabra) {
            if (const std::uint64_t d = diferencia(i)) {
                return primero(i, d);
            }
        }
        // The last word of the common length overlaps bytes already found
        // equal, so the first that differs in it is the first of all.
        if (i < n && n >= Palabra) {
            const std::uint64_t d = diferencia(n - Palabra);
            return d != 0 ? primero(n - Palabra, d) : n;
        }
    }
    while (i < n && a[i] == b[i]) {
        ++i;
    }
    return i;
}

// Byte `comun`, where a and b first differ, moved back to the start of a
// character: the identical bytes before it weigh the same in both.
std::size_t inicioDelCaracter(std::string_view a, std::string_view b, std::size_t comun) {
    const auto continuacion = [&comun](std::string_view s) {
        return comun < s.size() && (static_cast<unsigned char>(s[comun]) & 0xC0) == 0x80;
    };
    while (comun > 0 && (continuacion(a) || continuacion(b))) {
        --comun;
    }
    return comun;
}

// The order of a and b from their first differing byte `comun` on, a
// character at a time. Kept out of compararEspanol, whose quick cases then
// run without this loop's setting up.
[[gnu::noinline]] int compararDesde(std::string_view a, std::string_view b, std::size_t comun,
                                    const TablaPesos& tabla) {
    std::size_t i = inicioDelCaracter(a, b, comun);
    std::size_t j = i;
    // Primary weights decide at the first character where they differ;
    // accents only break ties between texts with equal letters.
    int porAcento = 0;
    while (i < a.size() && j < b.size()) {
        const Empaquetado pa = siguientePeso(a, i, tabla);
        const Empaquetado pb = siguientePeso(b, j, tabla);
        if (pa != pb) {
            if (pa >> BitsAcento != pb >> BitsAcento) {
                return pa < pb ? -1 : 1;
            }
            if (porAcento == 0) {
                porAcento = pa < pb ? -1 : 1;
            }
        }
    }
    if (i < a.size()) {
        return 1;
    }
    if (j < b.size()) {
        return -1;
    }
    return porAcento;
}

} // namespace

PesoEspanol pesoEspanol(char32_t c) {
    c = core::texto::minuscula(c);
    if (c >= 'a' && c <= 'z') {
        return {pesoLetra(static_cast<char>(c)), 0};
    }
    if (c < 0x80) {
        return {c, 0};
    }
    if (c == 0xF1) {
        return {PesoEnie, 0};
    }
    return pesoLatino(c);
}

int compararEspanol(std::string_view a, std::string_view b) {
    const TablaPesos& tabla = tablaPesos();
    const std::size_t n = std::min(a.size(), b.size());
    const std::size_t comun = primerByteDistinto(a, b, n);
    if (comun == n) {
        if (a.size() == b.size()) {
            return 0;
        }
    } else {
        // Where most texts first differ two ASCII characters stand, each a
        // character of its own: when their letters differ, that is the order.
        const Empaquetado pa = tabla[static_cast<unsigned char>(a[comun]) & 0x7F];
        const Empaquetado pb = tabla[static_cast<unsigned char>(b[comun]) & 0x7F];
        if (((static_cast<unsigned char>(a[comun]) | static_cast<unsigned char>(b[comun])) &
             0x80) == 0 &&
            pa >> BitsAcento != pb >> BitsAcento) {
            return pa < pb ? -1 : 1;
        }
    }
    return compararDesde(a, b, comun, tabla);
}

std::string claveEspanol(std::string_view texto) {
    std::string clave;
    clave.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        core::texto::agregarUtf8(clave,
                                 core::texto::minuscula(core::texto::siguienteCodigo(texto, i)));
    }
    return clave;
}

bool parecidoEspanol(std::string_view texto, std::string_view patron, char32_t escape) {
    // Iterative matcher with one backtrack point for the last %.
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t retornoP = std::string_view::npos;
    std::size_t retornoT = 0;
    while (t < texto.size()) {
        if (p < patron.size()) {
            std::size_t siguienteP = p;
            char32_t c = core::texto::siguienteCodigo(patron, siguienteP);
            bool literal = false;
            if (escape != 0 && c == escape && siguienteP < patron.size()) {
                c = core::texto::siguienteCodigo(patron, siguienteP);
                literal = true;
            }
            if (!literal && c == '%') {
                retornoP = siguienteP;
                retornoT = t;
                p = siguienteP;
                continue;
            }
            std::size_t siguienteT = t;
            const char32_t ct = core::texto::siguienteCodigo(texto, siguienteT);
            if ((!literal && c == '_') || core::texto::minuscula(c) == core::texto::minuscula(ct)) {
                p = siguienteP;
                t = siguienteT;
                continue;
            }
        }
        if (retornoP == std::string_view::npos) {
            return false;
        }
        p = retornoP;
        core::texto::siguienteCodigo(texto, retornoT);
        t = retornoT;
    }
    while (p < patron.size()) {
        std::size_t siguienteP = p;
        if (core::texto::siguienteCodigo(patron, siguienteP) != '%') {
            return false;
        }
        p = siguienteP;
    }
    return true;
}

} // namespace store
