#include "store/cotas_fecha.h"
#include "tests/apoyo/entorno.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Connectors handed out in order, as a statement's WHERE-written flag would.
struct Conectores {
    std::vector<const char*> piezas;
    std::size_t usadas = 0;
    const char* operator()() { return piezas.at(usadas++); }
};

std::string cotas(std::optional<core::Fecha> desde, std::optional<core::Fecha> hasta,
                  const store::EspaciadoCotas& espaciado, Conectores& conectores) {
    std::string texto = "<";
    store::AgregarCotasFecha(texto, desde, hasta, espaciado, std::ref(conectores));
    return texto;
}

const core::Fecha Marzo = prueba::dia(2024, 3, 1);
const core::Fecha Abril = prueba::dia(2024, 4, 30);

} // namespace

TEST(CotasFecha, CadaCotaSoloSiSeDaConSuConectorYSusBlancos) {
    Conectores c{{"WHERE ", "AND "}};
    EXPECT_EQ(cotas(Marzo, Abril, {"", "", ""}, c),
              "<WHERE fecha_presta >= '20240301' AND fecha_presta <= '20240430' ");
    EXPECT_EQ(c.usadas, 2u);

    c = {{"AND ", "AND "}};
    EXPECT_EQ(cotas(Marzo, Abril, {" ", "", " "}, c),
              "< AND fecha_presta >= '20240301'  AND  fecha_presta <= '20240430' ");

    c = {{"", " AND "}};
    EXPECT_EQ(cotas(Marzo, Abril, {"", " ", " "}, c),
              "< fecha_presta >= '20240301'  AND  fecha_presta <= '20240430' ");
}

TEST(CotasFecha, UnaSolaCotaUsaUnSoloConector) {
    Conectores c{{"WHERE "}};
    EXPECT_EQ(cotas(std::nullopt, Abril, {"", "x", " "}, c), "<WHERE  fecha_presta <= '20240430' ");
    c = {{"WHERE "}};
    EXPECT_EQ(cotas(Marzo, std::nullopt, {"", "", "x"}, c), "<WHERE fecha_presta >= '20240301' ");
    c = {{}};
    EXPECT_EQ(cotas(std::nullopt, std::nullopt, {" ", " ", " "}, c), "<");
    EXPECT_EQ(c.usadas, 0u);
}
