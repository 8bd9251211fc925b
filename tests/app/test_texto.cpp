#include "core/error.h"
#include "core/reloj.h"
#include "core/texto.h"

#include <gtest/gtest.h>

TEST(Texto, MayusculasYMinusculasLatinas) {
    EXPECT_TRUE(texto::igualesSinMayusculas("DIRECCIÓN", "dirección"));
    EXPECT_TRUE(texto::igualesSinMayusculas("ÑANDÚ", "ñandú"));
    EXPECT_FALSE(texto::igualesSinMayusculas("Dirección", "Direccion"));
    EXPECT_EQ(texto::mayuscula(U'ñ'), U'Ñ');
    EXPECT_EQ(texto::minuscula(U'Ł'), U'ł');
    EXPECT_EQ(texto::mayuscula(U'ł'), U'Ł');
}

TEST(Texto, PrefijoYLargoCuentanCaracteres) {
    EXPECT_EQ(texto::prefijoUtf8("añoñ", 3), "año");
    EXPECT_EQ(texto::largoUtf8("añoñ"), 4u);
    // A stray byte that is not UTF-8 counts as one character and is kept.
    EXPECT_EQ(texto::largoUtf8("a\xF1o"), 3u);
}

TEST(Texto, ComillasSqlDuplicaApostrofos) {
    EXPECT_EQ(texto::comillasSql("D'Angelo"), "D''Angelo");
    EXPECT_EQ(texto::comillasSql("x' OR '1'='1"), "x'' OR ''1''=''1");
}

TEST(Reloj, FechasAAAAMMDD) {
    const Fecha f = fechaDesdeAAAAMMDD("20240229");
    EXPECT_EQ(textoAAAAMMDD(f), "20240229");
    EXPECT_EQ(textoAAAAMMDD(sumarDias(f, -30)), "20240130");
    EXPECT_THROW(fechaDesdeAAAAMMDD("20230229"), Error);
    EXPECT_THROW(fechaDesdeAAAAMMDD("2024-1-1"), Error);
}
