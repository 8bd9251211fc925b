#include "core/carpetas.h"
#include "core/error.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

} // namespace
