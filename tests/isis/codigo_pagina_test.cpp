#include "isis/codigo_pagina.h"
#include "tests/isis/apoyo_isis.h"

#include <gtest/gtest.h>

namespace {

TEST(CodigoPagina, CadaMuestraSeDecodificaConSuPaginaDeCodigos) {
    // LILACS was written in Latin-1; the rest in a DOS code page.
    EXPECT_EQ(prueba::abrirMuestra("cisis-lilacs/lilacs")->codigo().tipo(),
              isis::CodigoPagina::Tipo::Windows1252);
    for (const char* base :
         {"winisis-bibl/BIBL", "isismarc-bibl/BIBL", "cisis-cds-aligned/cds",
          "cisis-cds-packed/cds", "cisis-cds-ffi/cdsffi", "cisis-cds-shift6/CDS"}) {
        EXPECT_EQ(prueba::abrirMuestra(base)->codigo().tipo(), isis::CodigoPagina::Tipo::Cp850)
            << base;
    }
}

TEST(CodigoPagina, LaDeteccionPideTextoClaramenteLatino) {
    const auto tipo = [](std::string_view s) { return isis::CodigoPagina::detectar(s).tipo(); };
    EXPECT_EQ(tipo(""), isis::CodigoPagina::Tipo::Cp850);
    // "Peña, José" in 850 (A4, 82) and in Latin-1 (F1, E9).
    EXPECT_EQ(tipo("Pe\xa4"
                   "a, Jos\x82 Mar\xa1"
                   "a G\xa2mez"),
              isis::CodigoPagina::Tipo::Cp850);
    EXPECT_EQ(tipo("Pe\xf1"
                   "a, Jos\xe9 Mar\xed"
                   "a G\xf3mez, Ib\xe1\xf1"
                   "ez, Le\xf3n, Mu\xf1oz"),
              isis::CodigoPagina::Tipo::Windows1252);
    // A few stray Latin-1 bytes among much DOS text do not switch it.
    EXPECT_EQ(tipo(std::string(40, '\x82') + std::string(10, '\xed')),
              isis::CodigoPagina::Tipo::Cp850);
}

TEST(CodigoPagina, Cp850IdaYVuelta) {
    const isis::CodigoPagina c;
    const std::string espanol = "ÁÉÍÓÚÑÜáéíóúñü¿¡ºª";
    EXPECT_EQ(c.aUtf8(c.desdeUtf8(espanol)), espanol);
    EXPECT_EQ(c.desdeUtf8("Peña"), "Pe\xa4"
                                   "a");
    EXPECT_EQ(c.desdeUtf8("€"), "?");
    const isis::CodigoPagina w(isis::CodigoPagina::Tipo::Windows1252);
    EXPECT_EQ(w.aUtf8("\x80 \xf1"), "€ ñ");
    EXPECT_EQ(w.desdeUtf8("ñ"), "\xf1");
}

TEST(CodigoPagina, LaTablaDeMayusculasQuitaAcentos) {
    const isis::CodigoPagina c;
    EXPECT_EQ(c.mayusculas(c.desdeUtf8("peña josé ü")), "PENA JOSE U");
    // Code page 850's own capitals Á (B5) stay as they are.
    EXPECT_EQ(c.mayusculas(c.desdeUtf8("Árbol")), c.desdeUtf8("ÁRBOL"));
    const isis::CodigoPagina w(isis::CodigoPagina::Tipo::Windows1252);
    EXPECT_EQ(w.mayusculas(w.desdeUtf8("peña árbol ÿ ß")), "PENA ARBOL Y \xdf");
}

} // namespace
