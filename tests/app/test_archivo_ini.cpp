#include "core/archivo_ini.h"
#include "tests/apoyo/carpeta_temporal.h"

#include <gtest/gtest.h>

TEST(ArchivoIni, SinArchivoTodoVacioYGrabarCreaSoloSuSeccion) {
    prueba::CarpetaTemporal c;
    core::Archivo_Ini ini(c.ruta());
    EXPECT_TRUE(ini.Cargar("LINK"));
    EXPECT_TRUE(ini.Cargar("INICIO"));
    EXPECT_TRUE(ini.Cargar("HELPFILE"));
    EXPECT_EQ(ini.RutaPresta + ini.RutaUsua + ini.RutaMarc + ini.CUE + ini.Process, "");
    ini.CUE = "123456789";
    ini.Grabar("INICIO");
    EXPECT_EQ(c.leer("configuracion.ini"), "[Inicio]\nCUE=123456789\n");
}

TEST(ArchivoIni, BloqueSinMayusculasYBloqueDesconocido) {
    prueba::CarpetaTemporal c;
    c.escribir("configuracion.ini", "[link]\nrutapresta = /a/PRESTA.MST \nRutaUsua=/a/U.MST\n");
    core::Archivo_Ini ini(c.ruta());
    ini.RutaMarc = "previo";
    ini.Cargar("link");
    EXPECT_EQ(ini.RutaPresta, "/a/PRESTA.MST");
    EXPECT_EQ(ini.RutaUsua, "/a/U.MST");
    EXPECT_EQ(ini.RutaMarc, "");
    ini.CUE = "sin tocar";
    EXPECT_TRUE(ini.Cargar("OTRO"));
    EXPECT_EQ(ini.CUE, "sin tocar");
    ini.Grabar("OTRO");
    EXPECT_EQ(c.leer("configuracion.ini"),
              "[link]\nrutapresta = /a/PRESTA.MST \nRutaUsua=/a/U.MST\n");
}

TEST(ArchivoIni, ValorLargoSeLeeCortadoA254) {
    prueba::CarpetaTemporal c;
    core::Archivo_Ini ini(c.ruta());
    ini.Process = std::string(300, 'x');
    ini.Grabar("HELPFILE");
    core::Archivo_Ini otro(c.ruta());
    otro.Cargar("HELPFILE");
    EXPECT_EQ(otro.Process, std::string(254, 'x'));
    EXPECT_NE(c.leer("configuracion.ini").find(std::string(300, 'x')), std::string::npos);
}

TEST(ArchivoIni, GrabarReemplazaEnSuLugarYConservaLoDemas) {
    prueba::CarpetaTemporal c;
    c.escribir("configuracion.ini", "; comentario\r\n[Inicio]\r\nCUE=111\r\n\r\n[Link]\r\n"
                                    "RutaPresta=/viejo/P.MST\r\nOtra=1\r\n\r\n[HelpFile]\r\n"
                                    "Process=ayuda\r\n");
    core::Archivo_Ini ini(c.ruta());
    ini.Cargar("LINK");
    ini.RutaPresta = "/nuevo/P.MST";
    ini.Grabar("LINK");
    EXPECT_EQ(c.leer("configuracion.ini"),
              "; comentario\r\n[Inicio]\r\nCUE=111\r\n\r\n[Link]\r\nRutaPresta=/nuevo/P.MST\r\n"
              "Otra=1\r\nRutaUsua=\r\nRutaMarc=\r\n\r\n[HelpFile]\r\nProcess=ayuda\r\n");
}

TEST(ArchivoIni, EspaciosSeRecortanAlLeer) {
    prueba::CarpetaTemporal c;
    core::Archivo_Ini ini(c.ruta());
    ini.Process = "  xdg-open manual.pdf  ";
    ini.Grabar("HELPFILE");
    ini.Cargar("HELPFILE");
    EXPECT_EQ(ini.Process, "xdg-open manual.pdf");
    ini.Process = "ñandú — ayuda";
    ini.Grabar("HelpFile");
    core::Archivo_Ini otro(c.ruta());
    otro.Cargar("helpfile");
    EXPECT_EQ(otro.Process, "ñandú — ayuda");
}
