#include "reports/lista_prestamos.h"

#include <gtest/gtest.h>

namespace {

const std::string Seleccion =
    "SELECT dni, legajo, nombre, apellido, grado, tipo_usu, titulo, tematica, autor, "
    "nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, inventario FROM presta ";
const std::string SeleccionUsuarios =
    "SELECT dni, legajo, nombre, apellido, grado, tipo_usu, direccion, titulo, tematica, autor, "
    "nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, inventario, suspendido "
    "FROM presta ";

core::Fecha dia(int a, unsigned m, unsigned d) {
    return core::Fecha{std::chrono::year{a}, std::chrono::month{m}, std::chrono::day{d}};
}

} // namespace

TEST(SentenciaListaPrestamos, SinFiltrosNiModoNoLlevaWhere) {
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", {}, "devuelto"),
              Seleccion + "ORDER BY devuelto");
    // Any text other than "2" to "5" adds no mode condition.
    EXPECT_EQ(reports::SentenciaListaPrestamos("7", {}, "legajo"), Seleccion + "ORDER BY legajo");
    EXPECT_EQ(reports::SentenciaListaPrestamos("2", {}, "devuelto"),
              Seleccion + "WHERE nro_renovaciones<>'' ORDER BY devuelto");
}

TEST(SentenciaListaPrestamos, ModoTresConApellidoYTipo) {
    reports::FiltrosPrestamos f;
    f.apellido = "per";
    f.panel.tipoUsuario = 1;
    EXPECT_EQ(reports::SentenciaListaPrestamos("3", f, "devuelto"),
              Seleccion + "WHERE (devuelto = '' OR devuelto IS NULL) AND "
                          "fecha_devolucion<format(date(),'yyyymmdd') AND tipo_usu='Alumno' AND  "
                          "sin_acentos(apellido) LIKE sin_acentos('%per%')ORDER BY devuelto");
}

TEST(SentenciaListaPrestamos, TipoTrasModoCuatroOPrimeraCondicion) {
    reports::FiltrosPrestamos f;
    f.panel.tipoUsuario = 4;
    EXPECT_EQ(reports::SentenciaListaPrestamos("4", f, "devuelto"),
              Seleccion +
                  "WHERE (devuelto = '' OR devuelto IS NULL) AND tipo_usu='Docente' ORDER BY "
                  "devuelto");
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "devuelto"),
              Seleccion + "WHERE tipo_usu='Docente' ORDER BY devuelto");
}

TEST(SentenciaListaPrestamos, ApellidoYNombreConSusDobleBlancos) {
    reports::FiltrosPrestamos f;
    f.apellido = "Gomez";
    f.nombre = "Ana";
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "fecha_presta"),
              Seleccion + "WHERE  sin_acentos(apellido) LIKE sin_acentos('%Gomez%')AND  "
                          "sin_acentos(nombre) LIKE sin_acentos('%Ana%')ORDER BY fecha_presta");
}

TEST(SentenciaListaPrestamos, EncabezadoDeNivelYGradoSuelto) {
    reports::FiltrosPrestamos f;
    f.panel.grado = 14;
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "devuelto"),
              Seleccion + "WHERE grado LIKE  '2%' ORDER BY devuelto");
    f.panel.grado = 15; // "  21 Primer año - EGB3"
    EXPECT_EQ(reports::SentenciaListaPrestamos("5", f, "devuelto"),
              Seleccion + "WHERE fecha_devolucion<devuelto AND grado LIKE '21' ORDER BY devuelto");
    f.panel.grado = 0;
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "devuelto"),
              Seleccion + "ORDER BY devuelto");
}

TEST(SentenciaListaPrestamos, TodasLasPiezasEnSuOrden) {
    reports::FiltrosPrestamos f;
    f.inventario = "A1";
    f.legajo = "100";
    f.panel.tematica = 24; // "HISTORIA"
    f.panel.desde = dia(2024, 3, 1);
    f.panel.hasta = dia(2024, 3, 31);
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "legajo"),
              Seleccion +
                  "WHERE  inventario = 'A1'AND tematica='HISTORIA' AND fecha_presta >= '20240301' "
                  "AND  fecha_presta <= '20240331' AND legajo = '100' ORDER BY legajo");
}

TEST(SentenciaListaPrestamos, SoloFechas) {
    reports::FiltrosPrestamos f;
    f.panel.desde = dia(2024, 3, 1);
    f.panel.hasta = dia(2024, 3, 1);
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "fecha_presta"),
              Seleccion +
                  "WHERE fecha_presta >= '20240301' AND  fecha_presta <= '20240301' ORDER BY "
                  "fecha_presta");
}

TEST(SentenciaBusquedaLibros, TituloYAutor) {
    reports::FiltrosPrestamos f;
    f.titulo = "luna";
    f.autor = "ana";
    EXPECT_EQ(reports::SentenciaBusquedaLibros(f, "titulo"),
              Seleccion + "WHERE  sin_acentos(titulo) LIKE sin_acentos('%luna%')AND  "
                          "sin_acentos(autor) LIKE sin_acentos('%ana%') ORDER BY titulo");
    EXPECT_EQ(reports::SentenciaBusquedaLibros({}, "titulo"), Seleccion + " ORDER BY titulo");
}

TEST(SentenciaBusquedaLibros, SoloFechasConSusBlancos) {
    reports::FiltrosPrestamos f;
    f.panel.desde = dia(2005, 9, 8);
    f.panel.hasta = dia(2005, 9, 30);
    EXPECT_EQ(reports::SentenciaBusquedaLibros(f, "fecha_presta"),
              Seleccion +
                  " WHERE fecha_presta >= '20050908'  AND  fecha_presta <= '20050930'  ORDER BY "
                  "fecha_presta");
}

TEST(SentenciaBusquedaLibros, PanelPrimeroLuegoTextos) {
    reports::FiltrosPrestamos f;
    f.panel.tipoUsuario = 1;
    f.panel.grado = 6;
    f.panel.tematica = 24;
    f.inventario = "A7";
    EXPECT_EQ(reports::SentenciaBusquedaLibros(f, "inventario"),
              Seleccion +
                  "WHERE tipo_usu='Alumno' AND grado LIKE  '1%' AND tematica='HISTORIA' AND  "
                  "inventario = 'A7' ORDER BY inventario");
}

TEST(SentenciaBusquedaUsuarios, ApellidoYDesde) {
    reports::FiltrosPrestamos f;
    f.apellido = "per";
    f.panel.desde = dia(2024, 3, 1);
    EXPECT_EQ(reports::SentenciaBusquedaUsuarios(f, "apellido"),
              SeleccionUsuarios +
                  "WHERE  sin_acentos(apellido) LIKE sin_acentos('%per%') AND fecha_presta >= "
                  "'20240301'  ORDER BY apellido");
    EXPECT_EQ(reports::SentenciaBusquedaUsuarios({}, "apellido"),
              SeleccionUsuarios + " ORDER BY apellido");
}

TEST(SentenciaBusquedaUsuarios, NombreYLegajo) {
    reports::FiltrosPrestamos f;
    f.nombre = "Ana";
    f.legajo = "100";
    f.panel.grado = 37; // "  62 Institución escolar"
    EXPECT_EQ(reports::SentenciaBusquedaUsuarios(f, "legajo"),
              SeleccionUsuarios +
                  "WHERE grado LIKE '62' AND  sin_acentos(nombre) LIKE sin_acentos('%Ana%')AND  "
                  "legajo = '100' ORDER BY "
                  "legajo");
}

TEST(SentenciasPrestamos, ApostrofesTecleadosSeDuplican) {
    reports::FiltrosPrestamos f;
    f.apellido = "D'Angelo";
    f.titulo = "l'";
    f.legajo = "1' OR '1'='1";
    EXPECT_EQ(
        reports::SentenciaListaPrestamos("1", f, "devuelto"),
        Seleccion +
            "WHERE  sin_acentos(apellido) LIKE sin_acentos('%D''Angelo%')AND legajo = '1'' OR "
            "''1''=''1' ORDER BY "
            "devuelto");
    EXPECT_EQ(reports::SentenciaBusquedaLibros(f, "titulo"),
              Seleccion + "WHERE  sin_acentos(titulo) LIKE sin_acentos('%l''%') ORDER BY titulo");
}

// A typed text that may carry accents is compared without them; one of
// digits keeps the statement as it always was.
TEST(SentenciasPrestamos, SoloElTextoConLetrasSeComparaSinAcentos) {
    reports::FiltrosPrestamos f;
    f.apellido = "2024";
    f.titulo = "1984";
    EXPECT_EQ(reports::SentenciaListaPrestamos("1", f, "devuelto"),
              Seleccion + "WHERE  apellido LIKE '%2024%'ORDER BY devuelto");
    EXPECT_EQ(reports::SentenciaBusquedaLibros(f, "titulo"),
              Seleccion + "WHERE  titulo LIKE '%1984%' ORDER BY titulo");
    f.apellido = "Gómez";
    EXPECT_EQ(reports::SentenciaBusquedaUsuarios(f, "apellido"),
              SeleccionUsuarios +
                  "WHERE  sin_acentos(apellido) LIKE sin_acentos('%Gómez%') ORDER BY apellido");
}
