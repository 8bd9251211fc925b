#include "core/texto.h"

#include <cstdint>
#include <cstring>

namespace core::texto {

namespace {
template <typename Pred> std::string_view recortarSi(std::string_view s, Pred esBlanco) {
    std::size_t inicio = 0;
    std::size_t fin = s.size();
    while (inicio < fin && esBlanco(s[inicio])) {
        ++inicio;
    }
    while (fin > inicio && esBlanco(s[fin - 1])) {
        --fin;
    }
    return s.substr(inicio, fin - inicio);
}
} // namespace

std::string recortar(std::string_view s) {
    return std::string(recortarSi(s, [](char c) { return c == ' ' || c == '\t'; }));
}

std::string recortarBlancos(std::string_view s) {
    return std::string(vistaSinBlancos(s));
}

std::string_view vistaSinBlancos(std::string_view s) {
    return recortarSi(s, [](char c) { return c == ' '; });
}

std::string mayusculasAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return r;
}

char32_t siguienteCodigo(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int largo = 0;
    char32_t codigo = 0;
    if ((b0 & 0xE0) == 0xC0) {
        largo = 2;
        codigo = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        largo = 3;
        codigo = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        largo = 4;
        codigo = b0 & 0x07;
    }
    if (largo == 0 || i + static_cast<std::size_t>(largo) > s.size()) {
        ++i;
        return b0;
    }
    for (int k = 1; k < largo; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        codigo = (codigo << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(largo);
    return codigo;
}

void agregarUtf8(std::string& d, char32_t c) {
    if (c < 0x80) {
        d += static_cast<char>(c);
    } else if (c < 0x800) {
        d += static_cast<char>(0xC0 | (c >> 6));
        d += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        d += static_cast<char>(0xE0 | (c >> 12));
        d += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        d += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        d += static_cast<char>(0xF0 | (c >> 18));
        d += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        d += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        d += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t minuscula(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
        c != 0x17F) {
        // Latin Extended-A pairs: even upper, odd lower (with two shifted runs).
        const bool desplazado = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (desplazado ? (c % 2 == 1) : (c % 2 == 0)) {
            return c + 1;
        }
        return c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return c + 0x20;
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

char32_t mayuscula(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    if (c >= 0x100 && c <= 0x17F && minuscula(c) == c && c != 0x131 && c != 0x138 && c != 0x149 &&
        c != 0x17F && minuscula(c - 1) == c) {
        return c - 1;
    }
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) {
        return c - 0x20;
    }
    if (c >= 0x430 && c <= 0x44F) {
        return c - 0x20;
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    return c;
}

bool igualesSinMayusculas(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (minuscula(siguienteCodigo(a, i)) != minuscula(siguienteCodigo(b, j))) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

std::string prefijoUtf8(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) {
        siguienteCodigo(s, i);
    }
    return std::string(s.substr(0, i));
}

std::size_t largoUtf8(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        siguienteCodigo(s, i);
    }
    return n;
}

std::string comillasSql(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s) {
        r += c;
        if (c == '\'') {
            r += '\'';
        }
    }
    return r;
}

namespace {

// The base letter of U+00C0 to U+00FF, or 0 for the signs among them (×, ÷)
// and the letters without one (Æ, Ð, Ø, Þ, ß and their lower cases).
constexpr char BasesLatin1[] = "AAAAAA\0CEEEEIIII\0NOOOOO\0\0UUUUY\0\0"
                               "aaaaaa\0ceeeeiiii\0nooooo\0\0uuuuy\0y";

} // namespace

std::string sinAcentos(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = siguienteCodigo(s, i);
        const char base = c >= 0xC0 && c <= 0xFF ? BasesLatin1[c - 0xC0] : '\0';
        if (base != '\0') {
            r += base;
        } else {
            agregarUtf8(r, c);
        }
    }
    return r;
}

bool admiteAcentos(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = siguienteCodigo(s, i);
        const bool asciiLetra = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (asciiLetra || (c >= 0xC0 && c != 0xD7 && c != 0xF7)) {
            return true;
        }
    }
    return false;
}

namespace {

bool sinEscape(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x20 && b < 0x7F && c != '\\';
}

// Whether any of the eight bytes of `x` is not sinEscape: below 0x20, DEL, a
// backslash or 0x80 and above (part of a character of more bytes).
bool hayConEscape(std::uint64_t x) {
    constexpr std::uint64_t Unos = 0x0101010101010101;
    constexpr std::uint64_t Altos = 0x8080808080808080;
    const auto hayCero = [](std::uint64_t v) { return (v - Unos) & ~v & Altos; };
    // A byte below 0x20 borrows into its own top bit; one of 0x80 and above has it set.
    return (((x - Unos * 0x20) | x) & Altos) != 0 || hayCero(x ^ (Unos * 0x7F)) != 0 ||
           hayCero(x ^ (Unos * '\\')) != 0;
}

} // namespace

void agregarCampoTabulado(std::string& destino, std::string_view valor) {
    for (std::size_t i = 0; i < valor.size();) {
        // Printable ASCII, what most values hold, goes in whole runs, found
        // eight bytes at a time.
        std::size_t fin = i;
        std::uint64_t ocho = 0;
        for (; fin + sizeof ocho <= valor.size(); fin += sizeof ocho) {
            std::memcpy(&ocho, valor.data() + fin, sizeof ocho);
            if (hayConEscape(ocho)) {
                break;
            }
        }
        // The rest, shorter than a block, as the last eight bytes of the
        // value: those before it have already passed.
        if (valor.size() - fin < sizeof ocho && valor.size() >= sizeof ocho) {
            std::memcpy(&ocho, valor.data() + valor.size() - sizeof ocho, sizeof ocho);
            if (!hayConEscape(ocho)) {
                fin = valor.size();
            }
        }
        while (fin < valor.size() && sinEscape(valor[fin])) {
            ++fin;
        }
        destino.append(valor.substr(i, fin - i));
        if (fin == valor.size()) {
            return;
        }
        i = fin;
        const std::size_t inicio = i;
        const char32_t c = siguienteCodigo(valor, i);
        if (c == '\\') {
            destino += "\\\\";
        } else if (c == '\t') {
            destino += "\\t";
        } else if (c == '\n') {
            destino += "\\n";
        } else if (c == '\r') {
            destino += "\\r";
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            static constexpr char Hex[] = "0123456789abcdef";
            destino += "\\x";
            destino += Hex[c >> 4];
            destino += Hex[c & 0xF];
        } else {
            destino.append(valor.substr(inicio, i - inicio));
        }
    }
}

std::string campoTabulado(std::string_view valor) {
    std::string r;
    r.reserve(valor.size());
    agregarCampoTabulado(r, valor);
    return r;
}

} // namespace core::texto
