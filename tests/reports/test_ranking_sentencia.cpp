#include "reports/ranking.h"

#include "core/error.h"

#include <gtest/gtest.h>

using namespace reports::ranking;

namespace {

core::Fecha dia(int a, unsigned m, unsigned d) {
    return core::Fecha{std::chrono::year{a}, std::chrono::month{m}, std::chrono::day{d}};
}

// The boxes as a refresh leaves them after a click on `agrupacion` and the
// user's ticks on `marcadas`.
Marcas marcasTras(int agrupacion, std::initializer_list<int> marcadas) {
    Casillas c;
    AjustarCasillas(agrupacion, c);
    for (int i : marcadas) {
        EXPECT_TRUE(c[static_cast<std::size_t>(i)].habilitada) << "casilla " << i;
        c[static_cast<std::size_t>(i)].marcada = true;
    }
    FijarCasillaPropia(agrupacion, c);
    return MarcasDe(c);
}

struct CasoSentencia {
    int agrupacion;
    std::initializer_list<int> marcadas;
    reports::EstadoFiltros filtros;
    const char* esperada;
};

reports::EstadoFiltros alumnos() {
    reports::EstadoFiltros f;
    f.tipoUsuario = 1;
    return f;
}

reports::EstadoFiltros primariaDesdeMarzo() {
    reports::EstadoFiltros f;
    f.grado = 6;
    f.desde = dia(2024, 3, 1);
    return f;
}

reports::EstadoFiltros cuartoGradoDesdeMarzo() {
    reports::EstadoFiltros f;
    f.grado = 10; // "  14  Cuarto grado - EGB2"
    f.desde = dia(2024, 3, 1);
    return f;
}

reports::EstadoFiltros cuentosHastaFin() {
    reports::EstadoFiltros f;
    f.tematica = 32; // "LITERATURA - CUENTOS"
    f.hasta = dia(2024, 12, 31);
    return f;
}

} // namespace

TEST(SentenciaRanking, CadaAgrupacionConYSinCasillasNiFiltros) {
    const CasoSentencia casos[] = {
        {PorUsuario,
         {},
         {},
         "SELECT dni, COUNT(dni) AS cant FROM presta GROUP BY dni  ORDER BY COUNT(dni) DESC"},
        {PorUsuario,
         {1},
         {},
         "SELECT dni, apellido, nombre, COUNT(dni) AS cant FROM presta GROUP BY dni , apellido, "
         "nombre ORDER BY COUNT(dni) DESC"},
        {PorUsuario,
         {1, 2, 3},
         alumnos(),
         "SELECT dni, apellido, nombre, grado , tipo_usu, COUNT(dni) AS cant FROM presta WHERE "
         "tipo_usu='Alumno' GROUP BY dni , apellido, nombre, grado , tipo_usu ORDER BY COUNT(dni) "
         "DESC"},
        {PorLibro,
         {},
         {},
         "SELECT titulo, COUNT(dni) AS cant FROM presta GROUP BY titulo  ORDER BY COUNT(titulo) "
         "DESC"},
        {PorLibro,
         {5, 6},
         cuentosHastaFin(),
         "SELECT titulo, tematica, autor , COUNT(dni) AS cant FROM presta WHERE tematica LIKE "
         "'LITERATURA - CUENTOS' AND fecha_presta <= '20241231' GROUP BY titulo , tematica, autor  "
         "ORDER BY COUNT(titulo) DESC"},
        {PorTema,
         {},
         {},
         "SELECT tematica, COUNT(tematica) AS cant FROM presta GROUP BY tematica ORDER BY "
         "COUNT(tematica) DESC"},
        {PorTema,
         {4, 6},
         {},
         "SELECT tematica, titulo, autor , COUNT(tematica) AS cant FROM presta GROUP BY tematica, "
         "titulo, autor  ORDER BY COUNT(tematica) DESC"},
        {PorGrado,
         {},
         {},
         "SELECT grado, COUNT(grado) AS cant FROM presta GROUP BY grado ORDER BY COUNT(grado) "
         "DESC"},
        {PorGrado,
         {0, 1, 2, 3, 4, 5, 6},
         primariaDesdeMarzo(),
         "SELECT grado, dni, apellido, nombre, titulo, autor , tematica , tipo_usu , COUNT(grado) "
         "AS cant FROM presta WHERE grado LIKE  '1%' AND fecha_presta >= '20240301' GROUP BY "
         "grado, dni, apellido, nombre, titulo, autor , tematica , tipo_usu  ORDER BY "
         "COUNT(grado) DESC"},
        {PorNivel,
         {},
         {},
         "SELECT LEFT(grado,1) AS nivel, COUNT(LEFT(grado,1)) AS cant FROM presta GROUP BY "
         "LEFT(grado,1) ORDER BY COUNT(LEFT(grado,1)) DESC"},
        {PorNivel,
         {3, 5},
         alumnos(),
         "SELECT LEFT(grado,1) AS nivel, tematica , tipo_usu , COUNT(LEFT(grado,1)) AS cant FROM "
         "presta WHERE tipo_usu='Alumno' GROUP BY LEFT(grado,1), tematica , tipo_usu  ORDER BY "
         "COUNT(LEFT(grado,1)) DESC"},
    };
    for (const CasoSentencia& c : casos) {
        EXPECT_EQ(SentenciaRanking(c.agrupacion, marcasTras(c.agrupacion, c.marcadas), c.filtros),
                  c.esperada);
    }
}

TEST(SentenciaRanking, LibrosDesdeUnaFechaYUnGrado) {
    // "Libros" > "Ranking", the from-date ticked and a grade chosen.
    EXPECT_EQ(SentenciaRanking(PorLibro, marcasTras(PorLibro, {}), cuartoGradoDesdeMarzo()),
              "SELECT titulo, COUNT(dni) AS cant FROM presta WHERE grado LIKE '14' AND "
              "fecha_presta >= '20240301' GROUP BY titulo  ORDER BY COUNT(titulo) DESC");
}

TEST(CasillasRanking, CadaOpcionHabilitaLasSuyas) {
    Casillas c;
    for (Casilla& x : c) {
        x.marcada = true;
    }
    AjustarCasillas(PorLibro, c);
    for (int i = 0; i < CantidadCasillas; ++i) {
        const auto& x = c[static_cast<std::size_t>(i)];
        EXPECT_EQ(x.habilitada, i >= 4) << i;
        EXPECT_EQ(x.marcada, i >= 4) << i; // enabled ones keep their tick
    }
    FijarCasillaPropia(PorLibro, c);
    EXPECT_FALSE(c[4].habilitada);
    // Back to members: the book boxes go, the member boxes come back unticked.
    AjustarCasillas(PorUsuario, c);
    for (int i = 0; i < CantidadCasillas; ++i) {
        const auto& x = c[static_cast<std::size_t>(i)];
        EXPECT_EQ(x.habilitada, i <= 3) << i;
        EXPECT_FALSE(x.marcada) << i;
    }
    // Grade and level offer every box and keep what was ticked.
    c[1].marcada = true;
    AjustarCasillas(PorNivel, c);
    for (const Casilla& x : c) {
        EXPECT_TRUE(x.habilitada);
    }
    EXPECT_TRUE(c[1].marcada);
    EXPECT_EQ(CasillaPropia(PorGrado), -1);
    EXPECT_EQ(CasillaPropia(PorNivel), 2);
    EXPECT_EQ(CasillaPropia(PorTema), 5);
}

TEST(CasillasRanking, DeUsuarioALibroLasColumnasDeUsuarioSalenDeLaSentencia) {
    Casillas c;
    AjustarCasillas(PorUsuario, c);
    c[1].marcada = c[2].marcada = true;
    FijarCasillaPropia(PorUsuario, c);
    AjustarCasillas(PorLibro, c);
    FijarCasillaPropia(PorLibro, c);
    const Marcas m = MarcasDe(c);
    EXPECT_EQ(SentenciaRanking(PorLibro, m, {}),
              "SELECT titulo, COUNT(dni) AS cant FROM presta GROUP BY titulo  ORDER BY "
              "COUNT(titulo) DESC");
    const ListaCampos campos = Campos(PorLibro, m);
    EXPECT_EQ(campos[0], "");
    EXPECT_EQ(campos[1], "");
    EXPECT_EQ(campos[5], "titulo");
}

TEST(CamposRanking, RanurasDeCadaAgrupacion) {
    const ListaCampos usuario = Campos(PorUsuario, marcasTras(PorUsuario, {1, 2}));
    const ListaCampos esperado{"dni", "nombre", "apellido", "grado", "", "", "", "", "cant", ""};
    EXPECT_EQ(usuario, esperado);
    const ListaCampos nivel = Campos(PorNivel, marcasTras(PorNivel, {}));
    EXPECT_EQ(nivel[3], "nivel");
    EXPECT_EQ(nivel[8], "cant");
    const ListaCampos grado = Campos(PorGrado, marcasTras(PorGrado, {}));
    EXPECT_EQ(grado[3], "grado");
}

TEST(DescripcionRanking, PiezasEnOrdenDeRanura) {
    EXPECT_EQ(Descripcion(PorUsuario, marcasTras(PorUsuario, {1}), true),
              "DNI - Nombre y Apellido -  (Porcentaje)");
    EXPECT_EQ(Descripcion(PorLibro, marcasTras(PorLibro, {6}), false), "Titulo - Autor (Cantidad)");
    EXPECT_EQ(Descripcion(PorTema, marcasTras(PorTema, {4, 6}), true),
              "Titulo - Tematica - Autor (Porcentaje)");
    EXPECT_EQ(Descripcion(PorNivel, marcasTras(PorNivel, {6}), true),
              "Nivel - Autor -  (Porcentaje)");
    EXPECT_EQ(Descripcion(PorGrado, marcasTras(PorGrado, {3}), false),
              "Grado - Tipo de Usuario -  (Cantidad)");
}

TEST(SentenciaRanking, AgrupacionDesconocidaEsUnError) {
    try {
        SentenciaRanking(5, {}, {});
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ArgumentoInvalido);
    }
}
