#include "store/coleccion_espanol.h"

#include "core/texto.h"

#include <array>

namespace store {

namespace {

struct Peso {
    std::uint32_t primario;
    std::uint8_t secundario; // the accent: 0 none, then acute, grave, diaeresis, circumflex, tilde
};

constexpr std::uint32_t BaseLetras = 0x1000;

constexpr std::uint32_t pesoLetra(char letra) {
    // Letters after n move up one place to leave room for ñ.
    const auto pos = static_cast<std::uint32_t>(letra - 'a');
    return BaseLetras + 2 * pos + (letra > 'n' ? 2 : 0);
}
constexpr std::uint32_t PesoEnie = pesoLetra('n') + 1;

// Base letter and accent of the Latin-1 letters with diacritics (lower case).
Peso pesoLatino(char32_t c) {
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

Peso pesoCalculado(char32_t c) {
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

// Weights of the Latin code points, computed once; others are computed on use.
constexpr char32_t LimiteTabla = 0x250;

const std::array<Peso, LimiteTabla>& tablaPesos() {
    static const auto tabla = [] {
        std::array<Peso, LimiteTabla> t{};
        for (char32_t c = 0; c < LimiteTabla; ++c) {
            t[c] = pesoCalculado(c);
        }
        return t;
    }();
    return tabla;
}

inline Peso peso(char32_t c) {
    return c < LimiteTabla ? tablaPesos()[c] : pesoCalculado(c);
}

bool esAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

int signo(long long v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

} // namespace

int compararEspanol(std::string_view a, std::string_view b) {
    // Identical leading bytes weigh the same: start at the first character
    // that differs.
    std::size_t comun = 0;
    const std::size_t n = std::min(a.size(), b.size());
    while (comun < n && a[comun] == b[comun]) {
        ++comun;
    }
    const auto continuacion = [&comun](std::string_view s) {
        return comun < s.size() && (static_cast<unsigned char>(s[comun]) & 0xC0) == 0x80;
    };
    while (comun > 0 && (continuacion(a) || continuacion(b))) {
        --comun;
    }
    if (esAscii(a.substr(comun)) && esAscii(b.substr(comun))) {
        const auto& tabla = tablaPesos();
        for (std::size_t i = comun; i < n; ++i) {
            const auto pa = tabla[static_cast<unsigned char>(a[i])].primario;
            const auto pb = tabla[static_cast<unsigned char>(b[i])].primario;
            if (pa != pb) {
                return pa < pb ? -1 : 1;
            }
        }
        return signo(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
    }
    // Primary weights decide; accents only break ties between equal letters.
    int porAcento = 0;
    std::size_t i = comun;
    std::size_t j = comun;
    while (i < a.size() && j < b.size()) {
        const Peso pa = peso(core::texto::siguienteCodigo(a, i));
        const Peso pb = peso(core::texto::siguienteCodigo(b, j));
        if (pa.primario != pb.primario) {
            return pa.primario < pb.primario ? -1 : 1;
        }
        if (porAcento == 0 && pa.secundario != pb.secundario) {
            porAcento = pa.secundario < pb.secundario ? -1 : 1;
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
