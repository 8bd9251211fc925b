#include "core/error.h"
#include "isis/clave.h"
#include "tests/isis/apoyo_isis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

class Busqueda : public testing::Test {
protected:
    std::unique_ptr<isis::BaseAbierta> cds = prueba::abrirMuestra("cisis-cds-packed/cds");
    std::unique_ptr<isis::BaseAbierta> bibl = prueba::abrirMuestra("winisis-bibl/BIBL");
};

TEST_F(Busqueda, OperadoresYPrecedencia) {
    const auto plants = cds->buscar("plants");
    EXPECT_EQ(plants.size(), 8U);
    EXPECT_EQ(cds->buscar("plants + water * soil"), cds->buscar("plants + (water * soil)"));
    EXPECT_EQ(cds->buscar("plants ^ water + soil"), cds->buscar("(plants ^ water) + soil"));
    const auto y = cds->buscar("plants * water");
    const auto no = cds->buscar("plants ^ water");
    EXPECT_EQ(y.size() + no.size(), plants.size());
    EXPECT_TRUE(std::is_sorted(plants.begin(), plants.end()));
    EXPECT_EQ(cds->buscar("  PLANTS  "), plants);
}

TEST_F(Busqueda, TruncamientoEnAmbosArboles) {
    EXPECT_EQ(cds->buscar("plant$").size(), 29U);
    EXPECT_EQ(cds->buscar("\"plant physiology\""), cds->buscar("plant physiology"));
}

TEST_F(Busqueda, ClavesConAcentosYRegistrosBorrados) {
    EXPECT_THAT(bibl->buscar("2140"), ElementsAre(1, 2, 4)); // 3 is deleted
    EXPECT_THAT(bibl->buscar("andré"), ElementsAre(1));
    EXPECT_THAT(bibl->buscar("0-07-071918-7"), ElementsAre(5));
    EXPECT_TRUE(bibl->buscar("").empty());
    EXPECT_TRUE(bibl->buscar("   ").empty());
}

TEST(ClaveIsis, ComoLaInversionLaHace) {
    const isis::CodigoPagina c;
    EXPECT_EQ(isis::normalizarClave(c.desdeUtf8("\t peña\x01josé \x1f"), c), "PENA JOSE");
    EXPECT_EQ(isis::normalizarClave("123", c, "i:"), "I:123");
    EXPECT_EQ(isis::normalizarClave("  ", c, "i:"), "I:");
    // Cut at 30 bytes, then no blank is left at the end.
    EXPECT_EQ(isis::normalizarClave("abcdefghijklmnopqrstuvwxyzabc de", c),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZABC");
    EXPECT_EQ(isis::normalizarClave(std::string(40, 'x'), c), std::string(30, 'X'));
    EXPECT_EQ(isis::normalizarClave(" \t\r\n ", c), "");
}

TEST_F(Busqueda, UnTerminoSeBuscaComoSeInvirtio) {
    const auto plants = cds->buscar("plants");
    ASSERT_FALSE(plants.empty());
    EXPECT_EQ(cds->buscar("\tplants\t"), plants);
    EXPECT_EQ(cds->buscar("plant\tphysiology"), cds->buscar("plant physiology"));
    ASSERT_FALSE(bibl->postings("2140").empty());
    EXPECT_EQ(bibl->postings("  2140\t").size(), bibl->postings("2140").size());
}

TEST_F(Busqueda, SintaxisNoAdmitidaEsUnError) {
    for (const char* mala : {"plants +", "(plants", "plants)", "* water", "plants (G) water",
                             "plants . water", "plants $ water", "\"plants", "plants/(24)"}) {
        EXPECT_THROW(cds->buscar(mala), core::Error) << mala;
    }
    std::string profunda(1000, '(');
    EXPECT_THROW(cds->buscar(profunda + "plants"), core::Error);
}

} // namespace
