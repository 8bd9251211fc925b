#include "core/error.h"
#include "isis/codigo_pagina.h"
#include "isis/formato.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// The record the formatting language's reference examples use (MFN 1),
// held in code page 850 as a database would hold it.
class RegistroDePrueba {
public:
    RegistroDePrueba& campo(std::int32_t tag, const std::string& utf8) {
        textos_.push_back(codigo.desdeUtf8(utf8));
        registro.campos.push_back(isis::Campo{tag, textos_.back()});
        return *this;
    }
    std::string formatear(const std::string& formato) const {
        return codigo.aUtf8(isis::Formato(codigo.desdeUtf8(formato)).aplicar(registro, codigo));
    }
    isis::CodigoPagina codigo;
    isis::Registro registro;

private:
    std::deque<std::string> textos_;
};

RegistroDePrueba mfn1() {
    RegistroDePrueba r;
    r.campo(10, "uno").campo(10, "dos");
    r.campo(20, "^a84-123-4567-8^cencuadernado").campo(20, "^a84-765-4321-X");
    r.campo(100, "^aGarcía, Ana^d1950-").campo(110, "^aUnesco").campo(130, "^aBiblia");
    r.campo(240, "^aObras^nTomo 2^pPoemas");
    r.campo(245, "^aHistoria de Chile^nParte 1^pLos orígenes");
    r.campo(245, "^aSegundo título^pSin número");
    r.campo(659, "^aHISTORIA^aCHILE").campo(659, "^aGEOGRAFIA").campo(659, "^xSin a");
    r.campo(700, "^aPérez, Juan").campo(700, "^aLópez, María");
    r.campo(710, "^aUniversidad de Chile");
    return r;
}

RegistroDePrueba mfn2() {
    RegistroDePrueba r;
    r.campo(245, "^aSolo título").campo(700, "^aUno, Autor");
    return r;
}

const std::string kTitulo = "v245^a,|. |v245^n,|. |v245^p,v240^a,|. |v240^n,|. |v240^p,v130^a";
const std::string kAutor = "v100^a,|  |v110^a,|   |v700^a,|  |v710^a";

TEST(Formato, LosCincoFormatosDeLaCarga) {
    const RegistroDePrueba uno = mfn1();
    const RegistroDePrueba dos = mfn2();
    EXPECT_EQ(uno.formatear("||v10"), "unodos");
    EXPECT_EQ(dos.formatear("||v10"), "");
    EXPECT_EQ(uno.formatear(kTitulo), "Historia de ChileSegundo título. Parte 1. Los orígenes. Sin "
                                      "númeroObras. Tomo 2. PoemasBiblia");
    EXPECT_EQ(dos.formatear(kTitulo), "Solo título");
    EXPECT_EQ(uno.formatear(kAutor),
              "García, Ana  Unesco   Pérez, Juan   López, María  Universidad de Chile");
    EXPECT_EQ(dos.formatear(kAutor), "   Uno, Autor");
    EXPECT_EQ(uno.formatear("v659^a,"), "HISTORIAGEOGRAFIA");
    EXPECT_EQ(dos.formatear("v659^a,"), "");
    EXPECT_EQ(uno.formatear("v20^a,"), "84-123-4567-884-765-4321-X");
    EXPECT_EQ(dos.formatear("v20^a,"), "");
}

TEST(Formato, LiteralesYSuUnion) {
    const RegistroDePrueba r = mfn1();
    EXPECT_EQ(r.formatear("v700+|; |"), "^aPérez, Juan; ^aLópez, María");
    EXPECT_EQ(r.formatear("|; |+v700"), "^aPérez, Juan; ^aLópez, María");
    EXPECT_EQ(r.formatear("|; |v700"), "; ^aPérez, Juan; ^aLópez, María");
    EXPECT_EQ(r.formatear("v700|; |"), "^aPérez, Juan; ^aLópez, María; ");
    EXPECT_EQ(r.formatear("\"Autores: \"v700+|; |\" (eds.)\""),
              "Autores: ^aPérez, Juan; ^aLópez, María (eds.)");
    EXPECT_EQ(r.formatear("\"Autores: \"v999"), "");
    EXPECT_EQ(r.formatear("'Autores: 'v999"), "Autores: ");
    EXPECT_EQ(r.formatear("v245^a|. |v245^n"), "Historia de Chile. Segundo título. Parte 1");
    EXPECT_EQ(r.formatear("d999\"sí\"n999\"no\""), "no");
}

TEST(Formato, ModosOcurrenciasYSubcadenas) {
    const RegistroDePrueba r = mfn1();
    EXPECT_EQ(r.formatear("mhl,v700"), "Pérez, JuanLópez, María");
    EXPECT_EQ(r.formatear("mdl,v700"), "Pérez, Juan.  López, María.  ");
    EXPECT_EQ(r.formatear("mdl,v20^a+|; |"), "84-123-4567-8; 84-765-4321-X.  ");
    EXPECT_EQ(r.formatear("mhl,v245"),
              "Historia de Chile. Parte 1. Los orígenesSegundo título. Sin número");
    EXPECT_EQ(r.formatear("mhu,v700[1]"), "PEREZ, JUAN");
    EXPECT_EQ(r.formatear("v700[2]"), "^aLópez, María");
    EXPECT_EQ(r.formatear("v10[LAST]"), "dos");
    EXPECT_EQ(r.formatear("v10[3]"), "");
    EXPECT_EQ(r.formatear("v10[1..]"), "unodos");
    EXPECT_EQ(r.formatear("v245^a*3.4"), "toriundo");
    EXPECT_EQ(r.formatear("V245^A.8"), "HistoriaSegundo ");
}

TEST(Formato, EspaciadoYGrupos) {
    const RegistroDePrueba r = mfn1();
    EXPECT_EQ(r.formatear("(|- |v700/)"), "- ^aPérez, Juan\n- ^aLópez, María\n");
    EXPECT_EQ(r.formatear("'a'//'b'"), "a\nb");
    EXPECT_EQ(r.formatear("'a'##'b'"), "a\n\nb");
    EXPECT_EQ(r.formatear("'a'###%'b'"), "a\nb");
    EXPECT_EQ(r.formatear("'a'x3'b'c8'c'"), "a   b  c");
}

TEST(Formato, LoQueNoEstaAdmitidoEsUnError) {
    const RegistroDePrueba r = mfn1();
    for (const char* malo : {"if p(v10) then v10 fi", "mfn", "v10,|x|", "\"x\"", "'sin cerrar", "v",
                             "v10^", "f(val(v10),2,0)", "((v10))", "v10[2", "|x|+'y'", "v10)"}) {
        EXPECT_THROW(r.formatear(malo), core::Error) << malo;
    }
}

} // namespace
