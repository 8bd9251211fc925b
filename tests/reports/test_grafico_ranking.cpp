#include "reports/grafico_ranking.h"

#include <gtest/gtest.h>

using namespace reports::ranking;

namespace {

// Three titles, 5, 3 and 2 loans of 12.
Ranking tresLibros() {
    Ranking r;
    r.campos = Campos(PorLibro, {false, false, false, false, true, false, false});
    for (auto [titulo, cant] :
         {std::pair{"El Principito", 5}, {"Martín Fierro", 3}, {"Cosmos", 2}}) {
        FilaRanking f;
        f.valores[5] = titulo;
        f.cant = cant;
        r.filas.push_back(f);
    }
    return r;
}

const Presentacion Porcentajes{true, 12, ","};
const Presentacion Cantidades{false, 12, ","};
const std::vector<std::string> Etiquetas{"El Principito -  (41,67) ", "Martín Fierro -  (25) ",
                                         "Cosmos -  (16,67) "};

} // namespace

TEST(Graficar, BarrasUnaSeriePorFilaConLaPaleta) {
    DatosGrafico g;
    EXPECT_EQ(Graficar(g, tresLibros(), Porcentajes), 3);
    EXPECT_EQ(g.etiquetasFila, Etiquetas);
    EXPECT_EQ(g.etiquetasColumna, std::vector<std::string>{"Porcentaje"});
    EXPECT_EQ(g.valores, (std::vector<std::vector<double>>{{41.67}, {25}, {16.67}}));
    EXPECT_TRUE(g.leyenda);
    ASSERT_EQ(g.colores.size(), 3u);
    EXPECT_EQ(g.colores[0], (ColorRGB{102, 102, 102}));
    EXPECT_EQ(g.colores[1], (ColorRGB{255, 204, 153}));
    EXPECT_EQ(g.colores[2], (ColorRGB{102, 102, 51}));
}

TEST(Graficar, LineaEsUnaSerieSinLeyenda) {
    DatosGrafico g;
    g.tipo = TipoGrafico::Linea;
    EXPECT_EQ(Graficar(g, tresLibros(), Cantidades), 3);
    EXPECT_EQ(g.etiquetasFila, std::vector<std::string>{"Cantidad"});
    EXPECT_EQ(g.etiquetasColumna[0], "El Principito -  (5) ");
    EXPECT_EQ(g.valores, (std::vector<std::vector<double>>{{5, 3, 2}}));
    EXPECT_FALSE(g.leyenda);
    ASSERT_EQ(g.colores.size(), 1u);
}

TEST(Graficar, SeriesMasAllaDeLaTreceConservanSuColor) {
    Ranking r;
    r.campos = Campos(PorUsuario, {true, false, false, false, false, false, false});
    r.filas.resize(15);
    DatosGrafico g;
    Graficar(g, r, Cantidades);
    ASSERT_EQ(g.colores.size(), 15u);
    EXPECT_EQ(g.colores[12], (ColorRGB{51, 0, 51}));
    EXPECT_FALSE(g.colores[13].has_value());
    EXPECT_FALSE(g.colores[14].has_value());
}

TEST(SiguienteTipo, BarrasLineaTortaBarras) {
    const Ranking r = tresLibros();
    DatosGrafico g;
    Graficar(g, r, Porcentajes);

    EXPECT_EQ(SiguienteTipo(g, r, Porcentajes), 3);
    EXPECT_EQ(g.tipo, TipoGrafico::Linea);
    EXPECT_EQ(g.etiquetasColumna, Etiquetas);
    EXPECT_TRUE(g.marcadoresSerie1);
    EXPECT_EQ(g.colores.at(0), NaranjaLinea);
    EXPECT_FALSE(g.leyenda);

    EXPECT_EQ(SiguienteTipo(g, r, Porcentajes), 3);
    EXPECT_EQ(g.tipo, TipoGrafico::Torta);
    EXPECT_FALSE(g.marcadoresSerie1);
    EXPECT_EQ(g.etiquetasFila, Etiquetas);
    EXPECT_EQ(g.colores.at(2), (ColorRGB{102, 102, 51}));
    EXPECT_TRUE(g.leyenda);

    // Back to bars without redrawing: the same grid, the box asks for 5 again.
    EXPECT_EQ(SiguienteTipo(g, r, Porcentajes), 5);
    EXPECT_EQ(g.tipo, TipoGrafico::Barras);
    EXPECT_EQ(g.etiquetasFila, Etiquetas);
}

TEST(LimpiarGrafico, ConservaLasFilasVacias) {
    DatosGrafico g;
    Graficar(g, tresLibros(), Porcentajes);
    LimpiarGrafico(g);
    EXPECT_EQ(g.etiquetasFila, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(g.valores, (std::vector<std::vector<double>>{{0}, {0}, {0}}));
    EXPECT_EQ(g.etiquetasColumna, std::vector<std::string>{"Porcentaje"});
}

TEST(LimpiarGrafico, LaLineaNoConservaEtiquetasNiDatosViejos) {
    DatosGrafico g;
    g.tipo = TipoGrafico::Linea;
    Graficar(g, tresLibros(), Porcentajes);
    LimpiarGrafico(g);
    EXPECT_EQ(g.etiquetasColumna, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(g.valores, (std::vector<std::vector<double>>{{0, 0, 0}}));
}

// Round steps, at most eight of them, the top one above the largest value;
// percentages stop at 100.
TEST(Escala, PasosRedondosYPorcentajesHastaCien) {
    struct Caso {
        std::vector<double> valores;
        bool porcentajes;
        double tope;
        double paso;
    };
    const Caso casos[] = {
        {{4.04, 3.54, 2.53}, true, 5, 1}, {{3, 2}, false, 4, 1},  {{8, 1}, false, 9, 1},
        {{9, 1}, false, 10, 2},           {{80}, false, 90, 10},  {{100, 40}, true, 100, 20},
        {{100, 40}, false, 120, 20},      {{57.1}, true, 60, 10}, {{0, 0}, false, 2, 1},
        {{1234}, false, 1400, 200}};
    for (const Caso& c : casos) {
        reports::ranking::DatosGrafico d;
        d.valores = {c.valores};
        d.porcentajes = c.porcentajes;
        const reports::ranking::EscalaValores e = reports::ranking::Escala(d);
        EXPECT_EQ(e.tope, c.tope) << c.valores[0];
        EXPECT_EQ(e.paso, c.paso) << c.valores[0];
    }
}
