#include "core/error.h"
#include "core/reloj.h"
#include "core/texto.h"

#include <gtest/gtest.h>

TEST(Texto, MayusculasYMinusculasLatinas) {
    EXPECT_TRUE(core::texto::igualesSinMayusculas("DIRECCIÓN", "dirección"));
    EXPECT_TRUE(core::texto::igualesSinMayusculas("ÑANDÚ", "ñandú"));
    EXPECT_FALSE(core::texto::igualesSinMayusculas("Dirección", "Direccion"));
    EXPECT_EQ(core::texto::mayuscula(U'ñ'), U'Ñ');
    EXPECT_EQ(core::texto::minuscula(U'Ł'), U'ł');
    EXPECT_EQ(core::texto::mayuscula(U'ł'), U'Ł');
}

TEST(Texto, PrefijoYLargoCuentanCaracteres) {
    EXPECT_EQ(core::texto::prefijoUtf8("añoñ", 3), "año");
    EXPECT_EQ(core::texto::largoUtf8("añoñ"), 4u);
    // A stray byte that is not UTF-8 counts as one character and is kept.
    EXPECT_EQ(core::texto::largoUtf8("a\xF1o"), 3u);
}

TEST(Texto, ComillasSqlDuplicaApostrofos) {
    EXPECT_EQ(core::texto::comillasSql("D'Angelo"), "D''Angelo");
    EXPECT_EQ(core::texto::comillasSql("x' OR '1'='1"), "x'' OR ''1''=''1");
}

// Plain runs are copied whole and the rest character by character: each kind
// of character must come out right wherever it falls in a value.
TEST(Texto, CampoTabuladoEscapaSoloLosControles) {
    using core::texto::campoTabulado;
    EXPECT_EQ(campoTabulado(""), "");
    EXPECT_EQ(campoTabulado("Cien años de soledad"), "Cien años de soledad");
    EXPECT_EQ(campoTabulado("\tUno\tDos\t"), "\\tUno\\tDos\\t");
    EXPECT_EQ(campoTabulado("Línea\r\nnueva\n"), "Línea\\r\\nnueva\\n");
    EXPECT_EQ(campoTabulado("C:\\tmp\\"), "C:\\\\tmp\\\\");
    EXPECT_EQ(campoTabulado("\x1b[31mrojo\x7f\x01"), "\\x1b[31mrojo\\x7f\\x01");
    // C1 controls, encoded or as stray bytes; a stray Latin-1 letter stays as it is.
    EXPECT_EQ(campoTabulado("a\xC2\x85"
                            "b\x9B"
                            "c\xE9"),
              "a\\x85b\\x9bc\xE9");
    EXPECT_EQ(campoTabulado("ñ\tÑ"), "ñ\\tÑ");
    std::string destino = "antes|";
    core::texto::agregarCampoTabulado(destino, "x\ty");
    EXPECT_EQ(destino, "antes|x\\ty");
}

// Runs are searched eight bytes at a time: a character that needs an escape
// or a decoding must be found at every place of a block and after the last
// whole block, and the printable edges (blank, tilde) must pass.
TEST(Texto, CampoTabuladoHallaCadaEscapeEnCualquierLugar) {
    const std::pair<std::string, std::string> casos[] = {
        {"\t", "\\t"},     {"\\", "\\\\"},    {"\x7f", "\\x7f"},
        {"\x1f", "\\x1f"}, {"\x01", "\\x01"}, {"\xC2\x85", "\\x85"},
        {"\x9B", "\\x9b"}, {"ñ", "ñ"},        {" ", " "},
        {"~", "~"},
    };
    for (const auto& [caracter, escrito] : casos) {
        for (std::size_t antes = 0; antes < 20; ++antes) {
            for (const std::size_t despues : {0, 3, 9}) {
                const std::string a(antes, 'a');
                const std::string b(despues, 'b');
                EXPECT_EQ(core::texto::campoTabulado(a + caracter + b), a + escrito + b)
                    << "con " << antes << " antes y " << despues << " después";
            }
        }
    }
}

TEST(Reloj, FechasAAAAMMDD) {
    const core::Fecha f = core::fechaDesdeAAAAMMDD("20240229");
    EXPECT_EQ(core::textoAAAAMMDD(f), "20240229");
    EXPECT_EQ(core::textoAAAAMMDD(core::sumarDias(f, -30)), "20240130");
    EXPECT_THROW(core::fechaDesdeAAAAMMDD("20230229"), core::Error);
    EXPECT_THROW(core::fechaDesdeAAAAMMDD("2024-1-1"), core::Error);
}

TEST(Texto, SinAcentosDejaLaLetraBase) {
    EXPECT_EQ(core::texto::sinAcentos("Gómez Núñez, ÁLVARO; Çà ü ÿ"),
              "Gomez Nunez, ALVARO; Ca u y");
    EXPECT_EQ(core::texto::sinAcentos("Æsop ß 2×3"), "Æsop ß 2×3"); // no base letter
    EXPECT_EQ(core::texto::sinAcentos("plain"), "plain");
    EXPECT_TRUE(core::texto::admiteAcentos("per"));
    EXPECT_TRUE(core::texto::admiteAcentos("ñ"));
    EXPECT_FALSE(core::texto::admiteAcentos("12-34"));
    EXPECT_FALSE(core::texto::admiteAcentos("× %"));
}
