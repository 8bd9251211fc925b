#include "core/error.h"
#include "core/texto.h"
#include "reports/grilla.h"
#include "reports/grilla_prestamos.h"
#include "reports/impresion_grilla.h"
#include "tests/reports/medidor_fijo.h"

#include <gtest/gtest.h>

namespace {

using prueba::MedidorFijo;

reports::Grilla grillaDe(int filas, const std::vector<reports::ColumnaGrilla>& columnas) {
    reports::Grilla g;
    g.fijarColumnas(static_cast<int>(columnas.size()) + 1);
    g.fijarFilas(filas);
    g.fijarAncho(0, reports::AnchoNumeroFila);
    for (std::size_t c = 0; c < columnas.size(); ++c) {
        g.fijarAncho(static_cast<int>(c) + 1, columnas[c].ancho);
        g.fijarTexto(0, static_cast<int>(c) + 1, columnas[c].titulo);
    }
    return g;
}

std::vector<reports::OperacionDibujo> deTipo(const reports::PaginaImpresa& p,
                                             reports::OperacionDibujo::Tipo tipo) {
    std::vector<reports::OperacionDibujo> r;
    for (const auto& op : p) {
        if (op.tipo == tipo) {
            r.push_back(op);
        }
    }
    return r;
}

} // namespace

TEST(Grilla, CopiaUnaSeleccionDeDosPorTres) {
    reports::Grilla g;
    g.fijarColumnas(5);
    g.fijarFilas(4);
    const char* valores[2][3] = {{"a", "b", "c"}, {"d", "e", "f"}};
    for (int f = 0; f < 2; ++f) {
        for (int c = 0; c < 3; ++c) {
            g.fijarTexto(f + 1, c + 2, valores[f][c]);
        }
    }
    g.fijarCelda(2, 4);
    g.extenderSeleccion(1, 2); // dragged up and left: the same rectangle
    EXPECT_EQ(g.textoSeleccion(), "a\tb\tc\rd\te\tf");
    g.fijarCelda(3, 1);
    EXPECT_EQ(g.textoSeleccion(), "");
}

TEST(Grilla, AchicarYAgrandarConservaLoComunYVaciaLoNuevo) {
    reports::Grilla g;
    g.fijarColumnas(3);
    g.fijarFilas(3);
    g.fijarTexto(1, 1, "x");
    g.fijarTexto(2, 2, "y");
    g.fijarCelda(2, 2);
    g.fijarFilas(1);
    g.fijarColumnas(1);
    EXPECT_EQ(g.fila(), 0);
    EXPECT_EQ(g.columna(), 0);
    g.fijarColumnas(3);
    g.fijarFilas(3);
    EXPECT_EQ(g.texto(1, 1), "");
    EXPECT_EQ(g.texto(2, 2), "");
    EXPECT_THROW(g.texto(3, 0), core::Error);
}

// The cells share one text buffer: rewriting, shrinking and growing must
// never show one cell's text in another.
TEST(Grilla, ReescribirCeldasNoMezclaSusTextos) {
    reports::Grilla g;
    g.fijarColumnas(3);
    g.fijarFilas(2);
    g.fijarTexto(0, 0, "Biblioteca");
    g.fijarTexto(0, 1, "Ñandú");
    g.fijarTexto(1, 2, "Cien años de soledad");
    g.fijarTexto(0, 0, "Bib"); // shorter: in its own place
    g.fijarTexto(0, 1, "Ñandú y el río");
    g.fijarTexto(1, 2, "");
    EXPECT_EQ(g.texto(0, 0), "Bib");
    EXPECT_EQ(g.texto(0, 1), "Ñandú y el río");
    EXPECT_EQ(g.texto(1, 2), "");
    g.fijarTexto(1, 0, g.texto(0, 1)); // a cell copied from another
    g.fijarTexto(1, 1, g.texto(1, 0).substr(0, 7));
    EXPECT_EQ(g.texto(1, 0), "Ñandú y el río");
    EXPECT_EQ(g.texto(1, 1), "Ñandú");

    // Columns dropped and added back come back empty; the others keep their text.
    g.fijarColumnas(1);
    g.fijarColumnas(3);
    EXPECT_EQ(g.texto(0, 0), "Bib");
    EXPECT_EQ(g.texto(1, 0), "Ñandú y el río");
    EXPECT_EQ(g.texto(0, 1), "");
    EXPECT_EQ(g.texto(1, 1), "");
}

TEST(Grilla, TextosReemplazadosNoSeAcumulan) {
    reports::Grilla g;
    g.fijarColumnas(2);
    g.fijarFilas(2);
    g.fijarTexto(1, 0, "se queda");
    const std::string largo(1000, 'x');
    for (int i = 0; i < 10000; ++i) {
        // A long value after a short one cannot stay in the short one's place.
        g.fijarTexto(0, 1, "-");
        g.fijarTexto(0, 1, largo + std::to_string(i));
        g.fijarTexto(1, 1, std::to_string(i) + largo);
        g.fijarTexto(1, 1, "");
        g.fijarTexto(1, 1, std::to_string(i) + largo);
    }
    EXPECT_EQ(g.texto(0, 1), largo + "9999");
    EXPECT_EQ(g.texto(1, 1), "9999" + largo);
    EXPECT_EQ(g.texto(1, 0), "se queda");
    // A copy of the grid carries its texts along.
    const reports::Grilla copia = g;
    g.fijarFilas(0);
    EXPECT_EQ(copia.texto(1, 0), "se queda");
    EXPECT_EQ(copia.texto(0, 1), largo + "9999");
    EXPECT_LT(copia.bytesOcupados(), 100000u);
}

TEST(GrillaPrestamos, ClaveDeOrdenSoloConFilaUnoYColumnaDeDatos) {
    reports::Grilla g = grillaDe(7, reports::ColumnasPrestamos());
    g.fijarCelda(1, 9);
    EXPECT_EQ(reports::ClaveOrden(g, reports::ColumnasPrestamos()), "autor");
    g.fijarCelda(5, 9);
    EXPECT_EQ(reports::ClaveOrden(g, reports::ColumnasPrestamos()), std::nullopt);
    g.fijarCelda(1, 0);
    EXPECT_EQ(reports::ClaveOrden(g, reports::ColumnasPrestamos()), std::nullopt);

    reports::Grilla u = grillaDe(3, reports::ColumnasUsuarios());
    u.fijarCelda(1, 14);
    EXPECT_EQ(reports::ClaveOrden(u, reports::ColumnasUsuarios()), "suspendido");
}

TEST(GrillaPrestamos, ColumnasDeLasDosGrillas) {
    ASSERT_EQ(reports::ColumnasPrestamos().size(), 13u);
    ASSERT_EQ(reports::ColumnasUsuarios().size(), 14u);
    int total = reports::AnchoNumeroFila;
    for (const auto& c : reports::ColumnasPrestamos()) {
        total += c.ancho;
    }
    EXPECT_EQ(total, 17000);
    EXPECT_EQ(reports::ColumnasPrestamos()[9].ancho, 1200);
    EXPECT_EQ(reports::ColumnasUsuarios()[9].ancho, 850);
    EXPECT_STREQ(reports::ColumnasUsuarios()[13].titulo, "Suspendido");
}

TEST(AjustarAncho, CortaPorCaracteresHastaQueEntra) {
    const MedidorFijo m;
    EXPECT_EQ(reports::AjustarAncho(m, "Año nuevo", 300), "Año");
    EXPECT_EQ(reports::AjustarAncho(m, "Año", 250), "Añ");
    EXPECT_EQ(reports::AjustarAncho(m, "Año", 300), "Año");
    EXPECT_EQ(reports::AjustarAncho(m, "", 0), "");
    EXPECT_EQ(reports::AjustarAncho(m, "abc", 50), "");
}

TEST(ImprimirGrilla, TablaDeCatorceColumnasTerminaEn19140) {
    reports::Grilla g = grillaDe(2, reports::ColumnasPrestamos());
    const auto paginas = reports::ImprimirGrilla(MedidorFijo{}, g, 400, 400);
    ASSERT_EQ(paginas.size(), 1u);
    const auto cajas = deTipo(paginas[0], reports::OperacionDibujo::Tipo::Caja);
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].x1, 400);
    EXPECT_EQ(cajas[0].y1, 400);
    EXPECT_EQ(cajas[0].x2, 19140);
    EXPECT_EQ(cajas[0].y2, 400 + 2 * (120 + 150));

    const auto lineas = deTipo(paginas[0], reports::OperacionDibujo::Tipo::Linea);
    // One rule between the two rows, thirteen between the fourteen columns.
    ASSERT_EQ(lineas.size(), 14u);
    EXPECT_EQ(lineas[0].y1, 670);
    EXPECT_EQ(lineas[0].x2, 19140);
    EXPECT_EQ(lineas[1].x1, 820);
    EXPECT_EQ(lineas.back().x1, 19140 - 60 - 900 - 120);

    const auto textos = deTipo(paginas[0], reports::OperacionDibujo::Tipo::Texto);
    // The captions only: the empty corner and the empty row print nothing.
    ASSERT_EQ(textos.size(), 13u);
    EXPECT_EQ(textos[0].texto, "DNI");
    EXPECT_EQ(textos[0].x1, 880);
    EXPECT_EQ(textos[0].y1, 460);
    EXPECT_EQ(textos[6].texto, "Título");
}

TEST(ImprimirGrilla, TituloLargoCortadoAlAnchoDeSuColumna) {
    reports::Grilla g = grillaDe(3, reports::ColumnasPrestamos());
    const std::string largo = "Cien años de soledad, edición conmemorativa"; // 43 characters
    g.fijarTexto(1, 7, largo);
    g.fijarTexto(1, 8, "ARTE");
    const auto textos = deTipo(reports::ImprimirGrilla(MedidorFijo{}, g, 400, 400)[0],
                               reports::OperacionDibujo::Tipo::Texto);
    std::vector<std::string> fila1;
    for (const auto& t : textos) {
        if (t.y1 == 400 + 270 + 60) {
            fila1.push_back(t.texto);
        }
    }
    ASSERT_EQ(fila1.size(), 2u);
    EXPECT_EQ(fila1[0], core::texto::prefijoUtf8(largo, 30));
    EXPECT_EQ(fila1[1], "ARTE");
}

TEST(ImprimirGrilla, FilasQueNoEntranSiguenEnOtraPaginaConEncabezado) {
    reports::Grilla g = grillaDe(5, reports::ColumnasPrestamos());
    for (int f = 1; f < 5; ++f) {
        g.fijarTexto(f, 0, std::to_string(f));
    }
    const auto paginas = reports::ImprimirGrilla(MedidorFijo{}, g, 400, 400, 400 + 3 * 270);
    ASSERT_EQ(paginas.size(), 2u);
    for (const auto& p : paginas) {
        const auto cajas = deTipo(p, reports::OperacionDibujo::Tipo::Caja);
        ASSERT_EQ(cajas.size(), 1u);
        EXPECT_EQ(cajas[0].y1, 400);
        EXPECT_EQ(cajas[0].y2, 400 + 3 * 270);
        const auto textos = deTipo(p, reports::OperacionDibujo::Tipo::Texto);
        EXPECT_EQ(textos[0].texto, "DNI");
        EXPECT_EQ(textos[0].y1, 460);
    }
    const auto segunda = deTipo(paginas[1], reports::OperacionDibujo::Tipo::Texto);
    EXPECT_EQ(segunda[13].texto, "3");
    EXPECT_EQ(segunda[13].y1, 400 + 270 + 60);
}
