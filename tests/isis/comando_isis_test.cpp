#include "app/cli/comando_isis.h"
#include "core/error.h"
#include "tests/isis/apoyo_isis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::string correr(const std::vector<std::string>& args, int esperado = 0) {
    std::ostringstream salida;
    std::ostringstream errores;
    EXPECT_EQ(app::cli::ComandoIsis(args, ".", salida, errores), esperado) << errores.str();
    return salida.str();
}

TEST(CliIsis, VolcarDaUnaLineaJsonPorRegistroActivo) {
    const std::string s = correr({"volcar", prueba::muestra("winisis-bibl/BIBL.mst")});
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 4);
    EXPECT_THAT(s, testing::StartsWith("{\"mfn\":1,\"campos\":[[1,\"00000000000001\"],[686,"));
    EXPECT_THAT(s, testing::HasSubstr("[700,\"^aHaynal^bAndré\"]"));
    EXPECT_THAT(s, testing::Not(testing::HasSubstr("{\"mfn\":3,")));
}

TEST(CliIsis, TerminosBuscarYFormatear) {
    const std::string ruta = prueba::muestra("winisis-bibl/BIBL");
    const std::string t = correr({"terminos", ruta});
    EXPECT_THAT(t, testing::HasSubstr("\n2140\t1,2,3,4\n"));
    EXPECT_THAT(t, testing::HasSubstr("\nOPAA PSIHOLOGIJA\t4,5\n"));
    EXPECT_EQ(correr({"buscar", ruta, "2140 * psychology"}), "2\n4\n");
    EXPECT_EQ(correr({"formatear", ruta, "1", "v700^a,|, |v700^b"}), "Haynal, André\n");
}

TEST(CliIsis, ErroresDeUso) {
    correr({"volcar"}, 1);
    correr({"otra", "x"}, 1);
    EXPECT_THROW(correr({"volcar", prueba::muestra("winisis-bibl/NOESTA")}), core::Error);
    EXPECT_THROW(correr({"formatear", prueba::muestra("winisis-bibl/BIBL"), "uno", "v1"}),
                 core::Error);
}

} // namespace
