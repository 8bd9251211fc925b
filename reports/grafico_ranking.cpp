#include "reports/grafico_ranking.h"

#include <algorithm>
#include <cmath>

namespace reports::ranking {

const std::array<ColorRGB, 13>& PaletaSeries() {
    static const std::array<ColorRGB, 13> paleta{{{102, 102, 102},
                                                  {255, 204, 153},
                                                  {102, 102, 51},
                                                  {153, 0, 51},
                                                  {255, 102, 0},
                                                  {255, 204, 0},
                                                  {102, 153, 0},
                                                  {0, 153, 204},
                                                  {153, 0, 102},
                                                  {0, 51, 153},
                                                  {204, 0, 102},
                                                  {0, 102, 102},
                                                  {51, 0, 51}}};
    return paleta;
}

namespace {

// A step of 1, 2 or 5 times a power of ten that gives at most eight ticks.
double pasoRedondo(double maximo) {
    for (double potencia = 1;; potencia *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (maximo / (factor * potencia) <= 8) {
                return factor * potencia;
            }
        }
    }
}

} // namespace

EscalaValores Escala(const DatosGrafico& g) {
    double maximo = 1;
    for (const auto& fila : g.valores) {
        for (double v : fila) {
            maximo = std::max(maximo, v);
        }
    }
    const double paso = pasoRedondo(maximo);
    const double tope = (std::floor(maximo / paso) + 1) * paso;
    return {g.porcentajes ? std::min(tope, 100.0) : tope, paso};
}

int Graficar(DatosGrafico& g, const Ranking& r, const Presentacion& p) {
    const std::string serie = p.porcentaje ? "Porcentaje" : "Cantidad";
    const int n = static_cast<int>(r.filas.size());
    g.porcentajes = p.porcentaje;
    std::vector<std::string> etiquetas;
    std::vector<double> datos;
    for (const FilaRanking& f : r.filas) {
        etiquetas.push_back(LineaRanking(f, r.campos, p));
        datos.push_back(ValorGrafico(f.cant, p));
    }
    if (g.tipo == TipoGrafico::Linea) {
        g.etiquetasFila = {serie};
        g.etiquetasColumna = std::move(etiquetas);
        g.valores = {std::move(datos)};
        g.leyenda = false;
    } else {
        g.etiquetasFila = std::move(etiquetas);
        g.etiquetasColumna = {serie};
        g.valores.clear();
        for (double d : datos) {
            g.valores.push_back({d});
        }
        g.leyenda = true;
    }
    const auto& paleta = PaletaSeries();
    g.colores.assign(static_cast<std::size_t>(g.filas()), std::nullopt);
    for (std::size_t i = 0; i < g.colores.size() && i < paleta.size(); ++i) {
        g.colores[i] = paleta[i];
    }
    return n;
}

void LimpiarGrafico(DatosGrafico& g) {
    for (std::string& e : g.etiquetasFila) {
        e.clear();
    }
    // In the line layout the ranking's labels are the columns'.
    if (g.tipo == TipoGrafico::Linea) {
        for (std::string& e : g.etiquetasColumna) {
            e.clear();
        }
    }
    for (auto& fila : g.valores) {
        fila.assign(fila.size(), 0.0);
    }
}

int SiguienteTipo(DatosGrafico& g, const Ranking& r, const Presentacion& p) {
    g.marcadoresSerie1 = false;
    switch (g.tipo) {
    case TipoGrafico::Barras: {
        g.tipo = TipoGrafico::Linea;
        const int n = Graficar(g, r, p);
        g.marcadoresSerie1 = true;
        g.colores.at(0) = NaranjaLinea;
        return n;
    }
    case TipoGrafico::Linea:
        g.tipo = TipoGrafico::Torta;
        return Graficar(g, r, p);
    case TipoGrafico::Torta:
        g.tipo = TipoGrafico::Barras;
        break;
    }
    return BarrasPorOmision;
}

} // namespace reports::ranking
