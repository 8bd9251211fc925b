#include "core/carpetas.h"
#include "core/error.h"
#include "tests/apoyo/carpeta_temporal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

core::EntornoCarpetas instalado() {
    core::EntornoCarpetas e;
    e.carpetaEjecutable = "/usr/bin";
    e.ejecutableEscribible = false;
    e.home = "/home/bibliotecaria";
    return e;
}

TEST(Carpetas, UnaCarpetaEscribibleDelEjecutableGuardaTodo) {
    core::EntornoCarpetas e = instalado();
    e.carpetaEjecutable = "/opt/estadisticas";
    e.ejecutableEscribible = true;
    e.xdgConfig = "/otra/config";
    EXPECT_EQ(core::decidirCarpetas(e), core::Carpetas("/opt/estadisticas"));
}

TEST(Carpetas, InstaladoUsaLasCarpetasDelUsuario) {
    core::EntornoCarpetas e = instalado();
    EXPECT_EQ(core::decidirCarpetas(e),
              core::Carpetas("/home/bibliotecaria/.config/estadisticas",
                             "/home/bibliotecaria/.local/share/estadisticas"));
    e.xdgConfig = "/xdg/conf";
    e.xdgDatos = "/xdg/datos";
    EXPECT_EQ(core::decidirCarpetas(e),
              core::Carpetas("/xdg/conf/estadisticas", "/xdg/datos/estadisticas"));
    // A relative value is no XDG folder: the default holds.
    e.xdgConfig = "relativa/conf";
    EXPECT_EQ(core::decidirCarpetas(e).configuracion, "/home/bibliotecaria/.config/estadisticas");
}

TEST(Carpetas, LaOpcionCarpetaManda) {
    EXPECT_EQ(core::carpetasDelPrograma(std::string("/tmp/x")), core::Carpetas("/tmp/x"));
    try {
        core::carpetasDelPrograma(std::string());
        FAIL() << "una carpeta vacía no se acepta";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ArgumentoInvalido);
        EXPECT_NE(e.descripcion().find("--carpeta"), std::string::npos);
    }
}

TEST(Carpetas, ElEntornoDelProcesoLeeSusVariables) {
    ::setenv("XDG_CONFIG_HOME", "/conf/de/prueba", 1);
    ::unsetenv("XDG_DATA_HOME");
    const core::EntornoCarpetas e = core::entornoDelProceso();
    EXPECT_EQ(e.xdgConfig, "/conf/de/prueba");
    EXPECT_EQ(e.xdgDatos, "");
    EXPECT_FALSE(e.home.empty());
    EXPECT_FALSE(e.carpetaEjecutable.empty());
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(Carpetas, ElManualEstaJuntoABinBajoCualquierPrefijo) {
    EXPECT_EQ(core::carpetaManual("/usr/bin"), "/usr/share/estadisticas/manual");
    EXPECT_EQ(core::carpetaManual("/usr/local/bin/"), "/usr/local/share/estadisticas/manual");
    EXPECT_EQ(core::carpetaManual("/home/ana/estadisticas/build/bin"),
              "/home/ana/estadisticas/build/share/estadisticas/manual");
    // A relative folder is taken from the working folder, never from the root.
    const auto trabajo = std::filesystem::current_path();
    EXPECT_EQ(core::carpetaManual("bin"), (trabajo / "share/estadisticas/manual").string());
}

TEST(Carpetas, ElIndiceDelManualSoloCuandoExiste) {
    const prueba::CarpetaTemporal prefijo;
    const std::string bin = prefijo.archivo("bin");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(core::indiceManual(bin), std::nullopt);
    // A folder named like the page is no page.
    std::filesystem::create_directories(prefijo.archivo("share/estadisticas/manual/index.html"));
    EXPECT_EQ(core::indiceManual(bin), std::nullopt);
    std::filesystem::remove(prefijo.archivo("share/estadisticas/manual/index.html"));
    prefijo.escribir("share/estadisticas/manual/index.html", "<html></html>");
    EXPECT_EQ(core::indiceManual(bin), prefijo.archivo("share/estadisticas/manual/index.html"));
}

} // namespace
