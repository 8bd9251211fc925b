#include "reports/condicion_filtros.h"
#include "reports/listas_clasificacion.h"

#include <gtest/gtest.h>

namespace {
core::Fecha dia(int a, unsigned m, unsigned d) {
    return core::Fecha{std::chrono::year{a}, std::chrono::month{m}, std::chrono::day{d}};
}
} // namespace

TEST(ListasClasificacion, TamanosYPosicionesFijas) {
    EXPECT_EQ(reports::listas::TiposUsuario().size(), 7u);
    EXPECT_EQ(reports::listas::Grados().size(), 45u);
    EXPECT_EQ(reports::listas::Tematicas().size(), 61u);
    EXPECT_EQ(reports::listas::Grados()[14], "SECUNDARIA");
    EXPECT_EQ(reports::listas::Tematicas()[19], "FILOSOFÖA");
    for (int p : {1, 6, 14, 21, 26, 31, 35, 39, 42}) {
        EXPECT_TRUE(reports::listas::esEncabezadoNivel(p)) << p;
    }
    EXPECT_FALSE(reports::listas::esEncabezadoNivel(0));
    EXPECT_FALSE(reports::listas::esEncabezadoNivel(15));
    EXPECT_EQ(reports::listas::digitoNivel(42), '8');
    // Both institution items carry code 62.
    EXPECT_EQ(reports::listas::codigoGrado(37), "62");
    EXPECT_EQ(reports::listas::codigoGrado(38), "62");
}

TEST(CondicionFiltros, SinFiltrosNoEscribeNada) {
    for (int posicion : {-1, 0}) {
        reports::EstadoFiltros e;
        e.tipoUsuario = e.grado = e.tematica = posicion;
        const reports::Condicion c = reports::CondicionFiltros(e);
        EXPECT_EQ(c.texto, "");
        EXPECT_FALSE(c.escrita);
    }
}

TEST(CondicionFiltros, TipoNivelYDesde) {
    reports::EstadoFiltros e;
    e.tipoUsuario = 1;
    e.grado = 6;
    e.desde = dia(2024, 3, 1);
    const reports::Condicion c = reports::CondicionFiltros(e);
    EXPECT_EQ(c.texto,
              "WHERE tipo_usu='Alumno' AND grado LIKE  '1%' AND fecha_presta >= '20240301' ");
    EXPECT_TRUE(c.escrita);
}

TEST(CondicionFiltros, GradoSueltoUsaSuCodigo) {
    reports::EstadoFiltros e;
    e.grado = 10; // "  14  Cuarto grado - EGB2"
    EXPECT_EQ(reports::CondicionFiltros(e).texto, "WHERE grado LIKE '14' ");
    e.grado = 15; // "  21 Primer año - EGB3"
    EXPECT_EQ(reports::CondicionFiltros(e).texto, "WHERE grado LIKE '21' ");
    e.grado = 1;
    EXPECT_EQ(reports::CondicionFiltros(e).texto, "WHERE grado LIKE  '0%' ");
}

TEST(CondicionFiltros, SoloFechasYTematica) {
    reports::EstadoFiltros e;
    e.desde = dia(2025, 1, 31);
    e.hasta = dia(2025, 12, 1);
    EXPECT_EQ(reports::CondicionFiltros(e).texto,
              "WHERE fecha_presta >= '20250131' AND fecha_presta <= '20251201' ");
    e.tematica = 32;
    EXPECT_EQ(reports::CondicionFiltros(e).texto,
              "WHERE tematica LIKE 'LITERATURA - CUENTOS' AND fecha_presta >= '20250131' AND "
              "fecha_presta <= '20251201' ");
}
