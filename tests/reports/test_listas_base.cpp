#include "core/error.h"
#include "core/texto.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "tests/apoyo/filas_presta.h"
#include "tests/reports/presta_prueba.h"

#include <gtest/gtest.h>

#include <sstream>

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
        r.emplace_back(g.texto(f, c));
    }
    return r;
}

// The grid as tab-separated text, every row but the trailing empty one.
std::string textoDeGrilla(const reports::Grilla& g) {
    std::string texto;
    for (int f = 0; f + 1 < g.filas(); ++f) {
        for (int c = 0; c < g.columnas(); ++c) {
            texto += c > 0 ? "\t" : "";
            texto += core::texto::campoTabulado(g.texto(f, c));
        }
        texto += "\n";
    }
    return texto;
}

// What the command line writes for a statement, row by row as it reads them.
std::string tabulado(store::Contexto& ctx, const std::string& sql,
                     const std::vector<reports::ColumnaGrilla>& columnas) {
    const auto registros =
        store::EjecutarConsulta(ctx, sql, store::adOpenForwardOnly, store::adLockReadOnly);
    std::ostringstream salida;
    reports::EscribirTabulado(*registros, columnas, salida);
    return salida.str();
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

TEST(TextoTabulado, CadaFilaNumeradaSinLaFilaVaciaFinal) {
    prueba::PrestaPrueba p;
    const std::string texto =
        tabulado(p.ctx, reports::SentenciaListaPrestamos("1", {}, "inventario"),
                 reports::ColumnasPrestamos());
    std::vector<std::string> lineas;
    std::istringstream leido(texto);
    for (std::string linea; std::getline(leido, linea);) {
        lineas.push_back(linea);
    }
    ASSERT_EQ(lineas.size(), 5u);
    EXPECT_EQ(lineas[0].rfind("\tDNI\tLegajo\tNombre\t", 0), 0u);
    // NULL and blanks empty, a leading blank kept, the fields in grid order.
    EXPECT_EQ(lineas[2], "2\t2\t200\tJuan\tPérez\t14\tDocente\t El sol\tARTE\tCortázar\tA2\t"
                         "20240401\t20240510\t");
    EXPECT_EQ(lineas[3], "3\t3\t300\tLuis\tD'Angelo\t22\tAlumno\tMar\t\tAna María\tA3\t"
                         "20240402\t20240409\t");
    EXPECT_EQ(texto.back(), '\n');
}

// The command line's text and the window's grid come from one reading of
// the rows: whatever the statement, they must show the same cells.
TEST(TextoTabulado, EsLaGrillaDeLaMismaSentencia) {
    prueba::PrestaPrueba p;
    // Enough rows for the text to pass through several blocks of output.
    p.ctx.Conexion->ejecutar(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
        "INSERT INTO presta (dni, nombre, apellido, titulo, tematica, inventario, devuelto) "
        "SELECT i, 'Nombre ' || i, CASE i % 3 WHEN 0 THEN NULL WHEN 1 THEN '  ' ELSE 'Ñúñez' END, "
        "'Título' || char(9) || 'número ' || i, 'TEMA', 'B' || i, '2024' FROM n");
    reports::FiltrosPrestamos docente;
    docente.panel.tipoUsuario = 4;
    const std::vector<std::pair<std::string, const std::vector<reports::ColumnaGrilla>*>> casos{
        {reports::SentenciaListaPrestamos("1", {}, "devuelto"), &reports::ColumnasPrestamos()},
        {reports::SentenciaListaPrestamos("5", docente, "devuelto"), &reports::ColumnasPrestamos()},
        {reports::SentenciaBusquedaUsuarios({}, "apellido"), &reports::ColumnasUsuarios()},
    };
    for (const auto& [sql, columnas] : casos) {
        SCOPED_TRACE(sql);
        const std::string texto = tabulado(p.ctx, sql, *columnas);
        EXPECT_EQ(texto, textoDeGrilla(correr(p.ctx, sql, *columnas)));
    }
    EXPECT_GT(tabulado(p.ctx, std::get<0>(casos[0]), reports::ColumnasPrestamos()).size(),
              3u * 64 * 1024);
}

// A value holding a tab, a line break or a control character is written
// escaped: it stays in its own column and its own line.
TEST(TextoTabulado, UnValorConTabuladorSigueEnSuColumna) {
    prueba::PrestaPrueba p;
    prueba::agregarPresta(p.ctx, {{"dni", "9"},
                                  {"apellido", "Barra \\"},
                                  {"titulo", "Uno\tDos"},
                                  {"tematica", "\x1b[1m"},
                                  {"autor", "Línea\nnueva\r"},
                                  {"inventario", "Z9"}});
    const std::string texto =
        tabulado(p.ctx, reports::SentenciaListaPrestamos("1", {}, "inventario"),
                 reports::ColumnasPrestamos());
    std::vector<std::vector<std::string>> filas;
    std::istringstream leido(texto);
    for (std::string linea; std::getline(leido, linea);) {
        auto& campos = filas.emplace_back(1);
        for (const char c : linea) {
            if (c == '\t') {
                campos.emplace_back();
            } else {
                campos.back() += c;
            }
        }
    }
    ASSERT_EQ(filas.size(), 6u) << texto;
    for (const auto& campos : filas) {
        EXPECT_EQ(campos.size(), 14u) << texto;
    }
    const std::vector<std::string> ultima{"5",  "9", "",          "",         "Barra \\\\",
                                          "",   "",  "Uno\\tDos", "\\x1b[1m", "Línea\\nnueva\\r",
                                          "Z9", "",  "",          ""};
    EXPECT_EQ(filas.back(), ultima);
}
