#include "core/error.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "tests/reports/presta_prueba.h"

#include <gtest/gtest.h>

namespace {

// Runs a statement as the windows do and returns the filled grid.
reports::Grilla
correr(store::Contexto& ctx, const std::string& sql,
       const std::vector<reports::ColumnaGrilla>& columnas = reports::ColumnasPrestamos()) {
    return reports::GrillaDeConsulta(ctx, sql, columnas);
}

// One column of the data rows (the trailing empty row left out).
std::vector<std::string> columna(const reports::Grilla& g, int c) {
    std::vector<std::string> r;
    for (int f = 1; f + 1 < g.filas(); ++f) {
        r.push_back(g.texto(f, c));
    }
    return r;
}

using Inventarios = std::vector<std::string>;
constexpr int Inventario = 10;

} // namespace

TEST(ListasEnBase, CadaModoTraeSusPrestamos) {
    prueba::PrestaPrueba p;
    const auto modo = [&](const char* m) {
        return columna(correr(p.ctx, reports::SentenciaListaPrestamos(m, {}, "inventario")),
                       Inventario);
    };
    EXPECT_EQ(modo("1"), (Inventarios{"A1", "A2", "A3", "A4"}));
    EXPECT_EQ(modo("2"), (Inventarios{"A1"}));
    // Due today is not overdue yet.
    EXPECT_EQ(modo("3"), (Inventarios{"A3"}));
    EXPECT_EQ(modo("4"), (Inventarios{"A2", "A3"}));
    // Returned on the due date is not late.
    EXPECT_EQ(modo("5"), (Inventarios{"A1"}));

    p.reloj.fijar(
        core::Fecha{std::chrono::year{2024}, std::chrono::month{5}, std::chrono::day{11}});
    EXPECT_EQ(modo("3"), (Inventarios{"A2", "A3"}));
}

TEST(ListasEnBase, CeldasNumeradasVaciasSiNulasOEnBlancoYSeleccionAlFinal) {
    prueba::PrestaPrueba p;
    const reports::Grilla g =
        correr(p.ctx, reports::SentenciaListaPrestamos("1", {}, "inventario"));
    ASSERT_EQ(g.filas(), 6);
    ASSERT_EQ(g.columnas(), 14);
    EXPECT_EQ(g.texto(0, 0), "");
    EXPECT_EQ(g.texto(0, 7), "Título");
    EXPECT_EQ(g.ancho(7), 3000);
    EXPECT_EQ(columna(g, 0), (Inventarios{"1", "2", "3", "4"}));
    EXPECT_EQ(g.texto(2, 7), " El sol"); // as stored, not trimmed
    EXPECT_EQ(g.texto(2, 13), "");       // NULL
    EXPECT_EQ(g.texto(3, 8), "");        // blanks only
    EXPECT_EQ(g.texto(1, 12), "20240315");
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(g.texto(5, c), "");
    }
    EXPECT_EQ(g.fila(), 5);
    EXPECT_EQ(g.columna(), 13);
    EXPECT_EQ(g.textoSeleccion(), "");
}

TEST(ListasEnBase, ResultadoVacioDejaEncabezadoYUnaFila) {
    prueba::PrestaPrueba p;
    reports::FiltrosPrestamos f;
    f.panel.tipoUsuario = 4; // Docente
    const reports::Grilla g = correr(p.ctx, reports::SentenciaListaPrestamos("5", f, "devuelto"));
    EXPECT_EQ(g.filas(), 2);
    EXPECT_EQ(g.texto(0, 1), "DNI");
    EXPECT_EQ(g.texto(1, 0), "");
    EXPECT_EQ(g.fila(), 1);
}

TEST(ListasEnBase, ReordenarPorAutor) {
    prueba::PrestaPrueba p;
    reports::Grilla g = correr(p.ctx, reports::SentenciaListaPrestamos("1", {}, "devuelto"));
    g.fijarCelda(1, 9);
    const auto clave = reports::ClaveOrden(g, reports::ColumnasPrestamos());
    ASSERT_EQ(clave, "autor");
    g = correr(p.ctx, reports::SentenciaListaPrestamos("1", {}, *clave));
    EXPECT_EQ(columna(g, 9), (Inventarios{"Ana María", "Borges", "Borges", "Cortázar"}));
}

TEST(ListasEnBase, FiltrosDeTextoYPanel) {
    prueba::PrestaPrueba p;
    reports::FiltrosPrestamos f;
    f.apellido = "ome";
    f.nombre = "an";
    EXPECT_EQ(
        columna(correr(p.ctx, reports::SentenciaListaPrestamos("1", f, "inventario")), Inventario),
        (Inventarios{"A1", "A4"}));
    reports::FiltrosPrestamos grado;
    grado.panel.grado = 14; // SECUNDARIA
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaListaPrestamos("1", grado, "inventario")),
                      Inventario),
              (Inventarios{"A1", "A3", "A4"}));
    grado.panel.grado = 15; // "  21 Primer año - EGB3"
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaListaPrestamos("1", grado, "inventario")),
                      Inventario),
              (Inventarios{"A1", "A4"}));
}

TEST(BusquedasEnBase, LibrosPorTituloAutorEInventario) {
    prueba::PrestaPrueba p;
    reports::FiltrosPrestamos f;
    f.autor = "ana";
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaBusquedaLibros(f, "titulo")), Inventario),
              (Inventarios{"A3"}));
    f = {};
    f.inventario = "A";
    EXPECT_EQ(correr(p.ctx, reports::SentenciaBusquedaLibros(f, "titulo")).filas(), 2);
    f.inventario = "A2";
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaBusquedaLibros(f, "titulo")), Inventario),
              (Inventarios{"A2"}));
    f = {};
    f.panel.desde =
        core::Fecha{std::chrono::year{2024}, std::chrono::month{4}, std::chrono::day{2}};
    f.panel.hasta = f.panel.desde;
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaBusquedaLibros(f, "titulo")), Inventario),
              (Inventarios{"A3"}));
}

TEST(BusquedasEnBase, UsuariosMuestraSuspendido) {
    prueba::PrestaPrueba p;
    reports::FiltrosPrestamos f;
    f.legajo = "100";
    const reports::Grilla g = correr(p.ctx, reports::SentenciaBusquedaUsuarios(f, "inventario"),
                                     reports::ColumnasUsuarios());
    ASSERT_EQ(g.columnas(), 15);
    EXPECT_EQ(g.texto(0, 14), "Suspendido");
    EXPECT_EQ(g.ancho(10), 850);
    EXPECT_EQ(columna(g, 14), (Inventarios{"", "SI"}));
}

TEST(BusquedasEnBase, ApostrofeTecleadoEsTextoYNoCambiaLaSentencia) {
    prueba::PrestaPrueba p;
    reports::FiltrosPrestamos f;
    f.apellido = "D'Angelo";
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaBusquedaUsuarios(f, "apellido")), 4),
              (Inventarios{"D'Angelo"}));
    EXPECT_EQ(columna(correr(p.ctx, reports::SentenciaListaPrestamos("1", f, "apellido")), 4),
              (Inventarios{"D'Angelo"}));
    reports::FiltrosPrestamos intruso;
    intruso.legajo = "x' OR '1'='1";
    EXPECT_EQ(correr(p.ctx, reports::SentenciaBusquedaUsuarios(intruso, "apellido")).filas(), 2);
    intruso = {};
    intruso.titulo = "%' OR 1=1 OR titulo LIKE '";
    EXPECT_EQ(correr(p.ctx, reports::SentenciaBusquedaLibros(intruso, "titulo")).filas(), 2);
}

TEST(BusquedasEnBase, SentenciaRechazadaSeInformaComoError) {
    prueba::PrestaPrueba p;
    EXPECT_THROW(correr(p.ctx, reports::SentenciaBusquedaLibros({}, "no_existe")), core::Error);
}
