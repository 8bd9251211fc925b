#include "core/error.h"
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/escritor/lector_crudo.h"
#include "tools/escritor/escritor_isis.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {

using Esperado = std::map<std::string, std::set<escritor::Posting>>;

// Bytes keys are made of: letters, digits, blanks, punctuation and CP850
// capitals the upper-case table leaves alone.
std::string claveAlAzar(std::mt19937& azar) {
    static const std::string alfabeto = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:-\xB5\xD6\xE0\xE9";
    std::string s(1 + azar() % 40, ' ');
    for (char& c : s) {
        c = alfabeto[azar() % alfabeto.size()];
    }
    return s;
}

// What the inverted file must hold for a key: blanks cut, at most 30 bytes.
std::string comoClave(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    s.resize(std::min<std::size_t>(s.size(), 30));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

Esperado leido(const crudo::Invertido& inv) {
    Esperado r;
    for (const auto& [clave, ps] : inv.claves) {
        EXPECT_TRUE(r.emplace(clave, std::set<escritor::Posting>(ps.begin(), ps.end())).second)
            << clave;
    }
    return r;
}

class FormasDelArbol : public ::testing::TestWithParam<escritor::FormaInvertido> {};

TEST_P(FormasDelArbol, MilesDeClavesAlAzarSeRecorrenEnteras) {
    prueba::CarpetaTemporal carpeta;
    std::mt19937 azar(11);
    Esperado esperado;
    escritor::EscritorIsis esc(
        carpeta.archivo("CLAVES"),
        {.codigoPagina = escritor::PaginaEscrita::SinConvertir, .forma = GetParam()});
    for (int i = 0; i < 3000; ++i) {
        esc.agregar({{1, "x"}});
    }
    for (int i = 0; i < 6000; ++i) {
        const std::string clave = claveAlAzar(azar);
        const std::string k = comoClave(clave);
        if (k.empty()) {
            continue;
        }
        // Some keys get long lists, which cross blocks.
        const int n = azar() % 50 == 0 ? 200 : 1 + static_cast<int>(azar() % 3);
        for (int p = 0; p < n; ++p) {
            const escritor::Posting posting{static_cast<std::int32_t>(1 + azar() % 3000),
                                            static_cast<std::uint16_t>(1 + azar() % 3), 1,
                                            static_cast<std::uint16_t>(1 + azar() % 4)};
            esc.agregarClave(clave, posting);
            esperado[k].insert(posting);
        }
    }
    esc.cerrar();

    const crudo::Invertido inv = crudo::leerInvertido(carpeta.archivo("CLAVES"));
    EXPECT_EQ(leido(inv), esperado);
    // Tree 1 (≤ 10 bytes) comes first in the walk, then tree 2.
    bool enArbol2 = false;
    for (const auto& [clave, ps] : inv.claves) {
        enArbol2 = enArbol2 || clave.size() > 10;
        EXPECT_EQ(clave.size() > 10, enArbol2) << clave;
    }
    const escritor::FormaInvertido f = GetParam();
    if (f.clavesPorHoja * f.entradasPorNodo < 100) {
        EXPECT_GE(inv.niveles[0], 2);
        EXPECT_GE(inv.niveles[1], 2);
    }
    EXPECT_EQ(inv.segmentosEncadenados > 0, f.postingsPorSegmento > 0);
}

INSTANTIATE_TEST_SUITE_P(Escritor, FormasDelArbol,
                         ::testing::Values(escritor::FormaInvertido{},
                                           escritor::FormaInvertido{1, 2, 0},
                                           escritor::FormaInvertido{5, 5, 0},
                                           escritor::FormaInvertido{3, 4, 7},
                                           escritor::FormaInvertido{10, 10, 1}),
                         [](const auto& i) {
                             return "hoja" + std::to_string(i.param.clavesPorHoja) + "_nodo" +
                                    std::to_string(i.param.entradasPorNodo) + "_segmento" +
                                    std::to_string(i.param.postingsPorSegmento);
                         });

TEST(InvertidoIsis, RaizUnicaYArbolesSeparados) {
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis esc(carpeta.archivo("CORTO"));
    esc.agregar({{1, "x"}});
    esc.agregarClave("ABCDEFGHIJ", {.mfn = 1});                            // 10 bytes: tree 1
    esc.agregarClave("ABCDEFGHIJK", {.mfn = 1});                           // 11 bytes: tree 2
    esc.agregarClave("  una clave de más de treinta bytes  ", {.mfn = 1}); // cut to 30
    esc.cerrar();
    const crudo::Invertido inv = crudo::leerInvertido(carpeta.archivo("CORTO"));
    ASSERT_EQ(inv.claves.size(), 3u);
    EXPECT_EQ(inv.claves[0].first, "ABCDEFGHIJ");
    EXPECT_EQ(inv.claves[1].first, "ABCDEFGHIJK");
    EXPECT_EQ(inv.claves[2].first, "UNA CLAVE DE MAS DE TREINTA BY");
    EXPECT_EQ(inv.niveles[0], 0);
    EXPECT_EQ(inv.niveles[1], 0);
    // The first list starts after the free-position words of block 1.
    const std::string l01 = carpeta.leer("CORTO.L01");
    EXPECT_EQ(crudo::le32(l01, 12 + 10), 1);
    EXPECT_EQ(crudo::le32(l01, 12 + 14), 2);
}

TEST(InvertidoIsis, FormaFueraDeRangoEsUnError) {
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis esc(carpeta.archivo("MAL"), {.forma = {.clavesPorHoja = 11}});
    esc.agregarClave("A", {.mfn = 1});
    EXPECT_THROW(esc.cerrar(), core::Error);
}

TEST(FstIsis, ClavesComoLasHaceLaInversion) {
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis esc(
        carpeta.archivo("FST"),
        {.fst = {{.id = 20, .tag = 20},
                 {.id = 900, .tag = 900, .prefijo = "I:"},
                 {.id = 245, .tag = 245, .subcampo = 'a', .tecnica = escritor::Tecnica::Palabras},
                 {.id = 700, .tag = 700}}});
    esc.agregar({{20, " 30111222 "},
                 {900, "1001"},
                 {900, "1002"},
                 {245, "^aÑandú y el árbol^bde Ámbar"},
                 {245, "^bsin a"},
                 {700, "^aPérez, Juan^bcomp."}});
    esc.cerrar();
    const crudo::Invertido inv = crudo::leerInvertido(carpeta.archivo("FST"));
    std::map<std::string, std::vector<escritor::Posting>> claves(inv.claves.begin(),
                                                                 inv.claves.end());
    const auto posting = [](std::uint16_t tag, std::uint16_t orden) {
        return std::vector<escritor::Posting>{{1, tag, 1, orden}};
    };
    EXPECT_EQ(claves["30111222"], posting(20, 1));
    EXPECT_EQ(claves["I:1001"], posting(900, 1));
    EXPECT_EQ(claves["I:1002"], posting(900, 2));
    // ISISUC takes accents off ñ, ú, á; CP850's Á (0xB5) has no plain form in it.
    EXPECT_EQ(claves["NANDU"], posting(245, 1));
    EXPECT_EQ(claves["Y"], posting(245, 2));
    EXPECT_EQ(claves["EL"], posting(245, 3));
    EXPECT_EQ(claves["ARBOL"], posting(245, 4));
    EXPECT_EQ(claves.count("DE"), 0u);
    EXPECT_EQ(claves["PEREZ, JUAN, COMP."], posting(700, 1));
    EXPECT_EQ(claves.size(), 8u);
    EXPECT_EQ(carpeta.leer("FST.FST"), "20 0 MHU,(v20/)\r\n900 0 MHU,(|I:|v900/)\r\n"
                                       "245 4 MHU,(v245^a/)\r\n700 0 MHU,(v700/)\r\n");
}

TEST(FstIsis, MayusculasDeWindows1252) {
    EXPECT_EQ(escritor::normalizarClave("",
                                        "\xF1"
                                        "and\xFA \xC1rbol",
                                        escritor::PaginaEscrita::Windows1252),
              "NANDU ARBOL");
    EXPECT_EQ(escritor::normalizarClave("",
                                        "\xA4"
                                        "and\xA3 \xB5rbol",
                                        escritor::PaginaEscrita::Cp850),
              "NANDU \xB5RBOL");
    EXPECT_EQ(escritor::normalizarClave("P=", " a\tb ", escritor::PaginaEscrita::Cp850), "P=A B");
}

} // namespace
