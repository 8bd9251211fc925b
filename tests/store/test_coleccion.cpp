#include "store/coleccion_espanol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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
