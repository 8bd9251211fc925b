#include "store/coleccion_espanol.h"

#include "core/texto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

TEST(ColeccionEspanol, IgualdadSinMayusculasPeroConAcentos) {
    EXPECT_EQ(store::compararEspanol("ALUMNO", "alumno"), 0);
    EXPECT_EQ(store::compararEspanol("Ñandú", "ñANDÚ"), 0);
    EXPECT_EQ(store::compararEspanol("DIRECCIÓN", "dirección"), 0);
    EXPECT_NE(store::compararEspanol("Dirección", "Direccion"), 0);
    EXPECT_NE(store::compararEspanol("a", "á"), 0);
}

// Equal keys exactly for the texts the comparison finds equal.
TEST(ColeccionEspanol, ClaveIgualSiYSoloSiIguales) {
    const std::vector<std::string> textos{"",      "a",      "A",       "á",     "Á",     "ñandú",
                                          "ÑANDÚ", "nandu",  "AB1",     "ab1",   "ab1 ",  "Ça",
                                          "ça",    "straße", "STRASSE", "Ωmega", "ωmega", "\xff"};
    for (const std::string& a : textos) {
        for (const std::string& b : textos) {
            EXPECT_EQ(store::claveEspanol(a) == store::claveEspanol(b),
                      store::compararEspanol(a, b) == 0)
                << a << " / " << b;
        }
    }
}

TEST(ColeccionEspanol, OrdenEspanol) {
    std::vector<std::string> palabras{"ñu",    "oso",   "nube",  "Árbol", "abeja", "arbol",
                                      "Zorro", "éxito", "exito", "barco", "123",   "Ñandú"};
    std::sort(palabras.begin(), palabras.end(), [](const std::string& a, const std::string& b) {
        return store::compararEspanol(a, b) < 0;
    });
    const std::vector<std::string> esperado{"123",   "abeja", "arbol", "Árbol", "barco", "exito",
                                            "éxito", "nube",  "Ñandú", "ñu",    "oso",   "Zorro"};
    EXPECT_EQ(palabras, esperado);
}

TEST(ColeccionEspanol, Parecido) {
    EXPECT_TRUE(store::parecidoEspanol("Pérez", "%PÉR%"));
    EXPECT_TRUE(store::parecidoEspanol("Peña", "pe_a"));
    EXPECT_FALSE(store::parecidoEspanol("Perez", "%pér%"));
    EXPECT_TRUE(store::parecidoEspanol("14", "14"));
    EXPECT_FALSE(store::parecidoEspanol("140", "14"));
    EXPECT_TRUE(store::parecidoEspanol("1.3", "1%"));
    EXPECT_TRUE(store::parecidoEspanol("", "%"));
    EXPECT_FALSE(store::parecidoEspanol("abc", "%d%"));
    EXPECT_TRUE(store::parecidoEspanol("100%", "100!%", U'!'));
    EXPECT_FALSE(store::parecidoEspanol("1000", "100!%", U'!'));
}

TEST(ColeccionEspanol, PrefijoComunNoCambiaElResultado) {
    // The shared start ends inside a two-byte character in both pairs.
    EXPECT_GT(store::compararEspanol("año", "aña"), 0);
    EXPECT_LT(store::compararEspanol("aña", "año"), 0);
    EXPECT_LT(store::compararEspanol("título á", "título b"), 0);
    EXPECT_LT(store::compararEspanol("título", "títulos"), 0);
    EXPECT_EQ(store::compararEspanol("LIBRO Ñ", "libro ñ"), 0);
    EXPECT_GT(store::compararEspanol("Èl", "Él"), 0);
    EXPECT_LT(store::compararEspanol("Él", "Èl"), 0);
}

namespace {

// The order as it is defined, spelled out plainly: decode every character,
// compare primary weights left to right, then the lengths, then the accents.
int ordenDefinido(std::string_view a, std::string_view b) {
    const auto pesos = [](std::string_view s) {
        std::vector<store::PesoEspanol> v;
        for (std::size_t i = 0; i < s.size();) {
            v.push_back(store::pesoEspanol(core::texto::siguienteCodigo(s, i)));
        }
        return v;
    };
    const auto pa = pesos(a);
    const auto pb = pesos(b);
    const std::size_t n = std::min(pa.size(), pb.size());
    for (std::size_t k = 0; k < n; ++k) {
        if (pa[k].primario != pb[k].primario) {
            return pa[k].primario < pb[k].primario ? -1 : 1;
        }
    }
    if (pa.size() != pb.size()) {
        return pa.size() < pb.size() ? -1 : 1;
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (pa[k].acento != pb[k].acento) {
            return pa[k].acento < pb[k].acento ? -1 : 1;
        }
    }
    return 0;
}

std::string utf8(char32_t c) {
    std::string s;
    core::texto::agregarUtf8(s, c);
    return s;
}

// Pieces the generated texts are made of: what library records hold, and
// every kind of malformed byte run a damaged database could hand over.
const std::vector<std::string>& Piezas() {
    static const std::vector<std::string> piezas{
        "a", "A", "á", "Á", "à", "ä", "â", "ã", "å", "æ", "e", "é", "É", "è", "ë", "i", "í", "Í",
        "n", "N", "ñ", "Ñ", "o", "ó", "Ó", "ø", "u", "ú", "ü", "Ü", "y", "ý", "ÿ", "Ÿ", "z", "Z",
        "c", "ç", "Ç", "ß", "ł", "Ł", "ǿ", "ɏ", "×", "÷", "¿", "¡", "º", "ª", " ", "  ", "0", "1",
        "9", "10", "2.3", "-", ".", ",", "'", "\"", "(", "/", "\t", "~", "\x7f", "\x01",
        // Three and four bytes.
        "€", "ẞ", "\xEF\xBF\xBF", "😀",
        // Malformed: stray Latin-1 bytes, lone continuations, a lead byte without its
        // continuation, overlong forms, an encoded surrogate, leads that never start a character.
        "\xE9", "\xF1", "\xD1", "\xC1", "\x80", "\xA9", "\xBF", "\xC3", "\xE2\x82", "\xF0\x9F\x98",
        "\xC0\x80", "\xC1\x81", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\xFF",
        "\xFE"};
    return piezas;
}

class Textos {
public:
    explicit Textos(unsigned semilla) : azar_(semilla) {}

    std::string texto(int maximo) {
        std::string s;
        for (int k = entre(0, maximo); k > 0; --k) {
            s += pieza();
        }
        return s;
    }

    // Two texts shaped like the ones a sort compares: unrelated, sharing a
    // start, one edit apart, differing only in case, one the other's start.
    std::pair<std::string, std::string> par() {
        switch (entre(0, 4)) {
        case 0:
            return {texto(6), texto(6)};
        case 1: {
            const std::string inicio = texto(10);
            return {inicio + texto(3), inicio + texto(3)};
        }
        case 2: {
            const std::string a = texto(10);
            std::string b = a;
            b.insert(static_cast<std::size_t>(entre(0, static_cast<int>(b.size()))), pieza());
            if (entre(0, 1) == 1) {
                b.erase(static_cast<std::size_t>(entre(0, static_cast<int>(b.size()) - 1)), 1);
            }
            return {a, b};
        }
        case 3: {
            const std::string a = texto(12);
            std::string b;
            for (std::size_t i = 0; i < a.size();) {
                const char32_t c = core::texto::siguienteCodigo(a, i);
                core::texto::agregarUtf8(b, entre(0, 1) ? core::texto::mayuscula(c) : c);
            }
            return {a, b};
        }
        default: {
            const std::string a = texto(8);
            return {a, a.substr(0, static_cast<std::size_t>(entre(0, static_cast<int>(a.size()))))};
        }
        }
    }

private:
    int entre(int desde, int hasta) {
        return std::uniform_int_distribution<int>(desde, std::max(desde, hasta))(azar_);
    }
    const std::string& pieza() {
        return Piezas()[static_cast<std::size_t>(entre(0, static_cast<int>(Piezas().size()) - 1))];
    }

    std::mt19937 azar_;
};

} // namespace

// Every character of one or two bytes and every stray byte against every
// other: each weight the comparison keeps in its table is checked.
TEST(ColeccionEspanol, CadaCaracterCortoOrdenaComoSuPeso) {
    std::vector<std::string> caracteres;
    for (char32_t c = 0; c < 0x800; ++c) {
        caracteres.push_back(utf8(c));
    }
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        caracteres.emplace_back(1, static_cast<char>(byte));
    }
    int distintos = 0;
    for (const std::string& a : caracteres) {
        for (const std::string& b : caracteres) {
            if (store::compararEspanol(a, b) != ordenDefinido(a, b) && ++distintos <= 5) {
                ADD_FAILURE() << "\"" << a << "\" frente a \"" << b << "\"";
            }
        }
    }
    EXPECT_EQ(distintos, 0);
}

TEST(ColeccionEspanol, TextosGeneradosOrdenanComoLoDefinido) {
    Textos textos(20261209);
    int distintos = 0;
    for (int k = 0; k < 300000; ++k) {
        const auto [a, b] = textos.par();
        const int esperado = ordenDefinido(a, b);
        if ((store::compararEspanol(a, b) != esperado ||
             store::compararEspanol(b, a) != -esperado) &&
            ++distintos <= 5) {
            ADD_FAILURE() << "\"" << a << "\" frente a \"" << b << "\"";
        }
    }
    EXPECT_EQ(distintos, 0);
}

TEST(ColeccionEspanol, CasosDeBorde) {
    EXPECT_EQ(store::compararEspanol("", ""), 0);
    EXPECT_LT(store::compararEspanol("", "a"), 0);
    EXPECT_GT(store::compararEspanol("\xE9", ""), 0);
    // A stray Latin-1 byte reads as its character: the same letter as in UTF-8.
    EXPECT_EQ(store::compararEspanol("caf\xE9", "café"), 0);
    EXPECT_EQ(store::compararEspanol("\xD1u", "ñU"), 0);
    // Texts that differ only after their first eight bytes.
    EXPECT_LT(store::compararEspanol("Biblioteca escolar a", "BIBLIOTECA ESCOLAR b"), 0);
    EXPECT_GT(store::compararEspanol("Biblioteca escolar ñ", "biblioteca escolar n"), 0);
    EXPECT_GT(store::compararEspanol("Biblioteca escolar é", "biblioteca escolar e"), 0);
    // A letter beats any accent found earlier.
    EXPECT_LT(store::compararEspanol("éa", "eb"), 0);
    EXPECT_GT(store::compararEspanol("ea ", "éa"), 0);
    // Digits and punctuation sort before letters, by their code.
    EXPECT_LT(store::compararEspanol("1.3", "1a"), 0);
    EXPECT_GT(store::compararEspanol("2", "10a"), 0);
}
