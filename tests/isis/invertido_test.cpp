#include "core/error.h"
#include "isis/indice_memoria.h"
#include "isis/invertido.h"
#include "tests/isis/apoyo_isis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using Claves = std::map<std::string, std::vector<std::int32_t>>;

Claves todas(const isis::Diccionario& d, std::string_view prefijo = "") {
    Claves r;
    d.recorrer(prefijo, [&](std::string_view k, const std::vector<isis::Posting>& ps) {
        auto& mfns = r[std::string(k)];
        for (const isis::Posting& p : ps) {
            mfns.push_back(p.mfn);
        }
    });
    return r;
}

// The distinct MFNs of a posting list (a record posts a key once per field).
std::vector<std::int32_t> mfns(const std::vector<isis::Posting>& ps) {
    std::vector<std::int32_t> r;
    for (const isis::Posting& p : ps) {
        if (r.empty() || r.back() != p.mfn) {
            r.push_back(p.mfn);
        }
    }
    return r;
}

TEST(Invertido, CadaMuestraTieneSusClaves) {
    EXPECT_EQ(todas(prueba::abrirMuestra("winisis-bibl/BIBL")->diccionario()).size(), 107U);
    EXPECT_EQ(todas(prueba::abrirMuestra("cisis-cds-aligned/cds")->diccionario()).size(), 1309U);
    // Without .CNT: the layout and the roots come from the other files.
    EXPECT_EQ(todas(prueba::abrirMuestra("cisis-cds-packed/cds")->diccionario()).size(), 1324U);
}

TEST(Invertido, BuscaClavesDeAmbosArboles) {
    const auto b = prueba::abrirMuestra("winisis-bibl/BIBL");
    const isis::Diccionario& d = b->diccionario();
    EXPECT_THAT(mfns(d.postings("2140")), testing::ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(mfns(d.postings("ANDRE")), testing::ElementsAre(1));
    EXPECT_THAT(mfns(d.postings("CONTROVERSIES IN PSYCHOANALYTI")), testing::ElementsAre(1));
    EXPECT_TRUE(d.postings("NOESTA").empty());
    EXPECT_TRUE(d.postings("").empty());
    const std::vector<isis::Posting> ps = d.postings("2140");
    EXPECT_EQ(ps[0].tag, 686);
    // Keys are bytes in the database's code page: "Opća" upper-cased by the DOS table.
    EXPECT_THAT(mfns(d.postings("OPAA PSIHOLOGIJA")), testing::ElementsAre(4, 5));
}

TEST(Invertido, ListasQueCruzanBloquesYTruncamiento) {
    const auto b = prueba::abrirMuestra("cisis-cds-aligned/cds");
    std::size_t total = 0;
    for (const auto& [k, lista] : todas(b->diccionario())) {
        EXPECT_EQ(lista.size(), b->diccionario().postings(k).size()) << k;
        total += lista.size();
    }
    EXPECT_GT(total, 1309U);
    // PLANT... keys live in both trees.
    const Claves plant = todas(b->diccionario(), "PLANT");
    EXPECT_TRUE(plant.count("PLANT") && plant.count("PLANT PHYSIOLOGY"));
}

TEST(Invertido, ElIndiceEnMemoriaReproduceElInvertido) {
    // Inverting the master file with its own .FST and .STW gives back the
    // inverted file that CISIS wrote, postings and their order included.
    const auto b = prueba::abrirMuestra("cisis-cds-aligned/cds");
    prueba::CarpetaTemporal t;
    const std::string fst = prueba::muestra("cisis-cds-aligned/cds.fst");
    const std::string stw = prueba::muestra("cisis-cds-aligned/cds.stw");
    const isis::IndiceMemoria indice(b->maestro(), b->codigo(),
                                     isis::ArchivoMapeado::abrir(fst).datos(),
                                     isis::ArchivoMapeado::abrir(stw).datos(), fst);
    const Claves archivo = todas(b->diccionario());
    EXPECT_EQ(todas(indice), archivo);
    const auto igual = [](const isis::Posting& x, const isis::Posting& y) {
        return x.mfn == y.mfn && x.tag == y.tag && x.ocurrencia == y.ocurrencia &&
               x.contador == y.contador;
    };
    for (const auto& [k, lista] : archivo) {
        const auto a = indice.postings(k);
        const auto e = b->diccionario().postings(k);
        ASSERT_TRUE(std::equal(a.begin(), a.end(), e.begin(), e.end(), igual)) << k;
    }
}

TEST(Invertido, SinInvertidoSeIndexaConLaFst) {
    prueba::CarpetaTemporal t;
    const std::string ruta = prueba::copiarMuestra(t, "cisis-cds-ffi/cdsffi");
    t.escribir("cdsffi.fst", "24 4 MHU,V24\n70 0 MHU,(V70/)\n90 0 'I:',v70[1]\n");
    auto b = isis::BaseAbierta::abrir(ruta);
    EXPECT_THAT(b->buscar("transpiration"), testing::Contains(1));
    EXPECT_THAT(b->buscar("edson arantes do nascimento"), testing::ElementsAre(156));
    EXPECT_THAT(b->buscar("I:Edson Arantes do Nascimento"), testing::ElementsAre(156));
}

TEST(Invertido, SinInvertidoNiFstEsUnErrorClaro) {
    auto b = prueba::abrirMuestra("cisis-lilacs/lilacs");
    try {
        b->buscar("BANTA, DAVID");
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_THAT(e.descripcion(), testing::HasSubstr("no tiene archivo invertido"));
    }
}

void danarYRecorrer(const std::string& extension, std::size_t posicion, const std::string& bytes,
                    bool truncando) {
    prueba::CarpetaTemporal t;
    const std::string ruta = prueba::copiarMuestra(t, "cisis-cds-aligned/cds");
    const std::string archivo = ruta + extension;
    if (truncando) {
        prueba::truncar(archivo, posicion);
    } else {
        prueba::sobrescribir(archivo, posicion, bytes);
    }
    try {
        auto b = isis::BaseAbierta::abrir(ruta);
        b->abrirInvertido(ruta);
        todas(b->diccionario());
        FAIL() << "sin error";
    } catch (const core::Error& e) {
        EXPECT_THAT(e.descripcion(), testing::HasSubstr(archivo));
    }
}

TEST(InvertidoDanado, PostingsTruncados) {
    danarYRecorrer(".ifp", 20000, "", true);
}
TEST(InvertidoDanado, BloqueDePostingsMalNumerado) {
    danarYRecorrer(".ifp", 512, std::string("\x09\x00\x00\x00", 4), false);
}
TEST(InvertidoDanado, TotalDePostingsImposible) {
    // Word 2 of the first list (block 1, word 2) is its total.
    danarYRecorrer(".ifp", 4 + 4 * 4, std::string("\xff\xff\xff\x0f", 4), false);
}
TEST(InvertidoDanado, HojaConDemasiadasEntradas) {
    danarYRecorrer(".l01", 4, std::string("\x63\x00", 2), false);
}
TEST(InvertidoDanado, NodoQueSeApuntaASiMismo) {
    // Node 3 is the root of tree 1; its first entry pointer at 8 + 12.
    danarYRecorrer(".n01", 2 * 168 + 8 + 12, std::string("\x03\x00\x00\x00", 4), false);
}
TEST(InvertidoDanado, ControlDeTamanoExtrano) {
    danarYRecorrer(".cnt", 50, "", true);
}

} // namespace
