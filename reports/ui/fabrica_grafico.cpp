#include "reports/ui/fabrica_grafico.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>

namespace reports::ui {

namespace {

using ranking::DatosGrafico;

QString qtexto(const std::string& s) {
    return QString::fromStdString(s);
}

// The series' palette colour, or nothing to keep the chart theme's own.
std::optional<QColor> colorDe(const DatosGrafico& d, int serie) {
    const auto& c = d.colores.at(static_cast<std::size_t>(serie));
    if (!c) {
        return std::nullopt;
    }
    return QColor(c->r, c->g, c->b);
}

double valor(const DatosGrafico& d, int fila, int columna) {
    return d.valores[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
}

QStringList categorias(const DatosGrafico& d) {
    QStringList c;
    for (const std::string& e : d.etiquetasColumna) {
        c << qtexto(e);
    }
    return c;
}

// Category axis along the bottom, value axis from 0 to the largest value.
void agregarEjes(QChart* grafico, const DatosGrafico& d) {
    auto* x = new QBarCategoryAxis;
    x->append(categorias(d));
    if (d.etiquetasVerticales) {
        x->setLabelsAngle(-90);
        x->setTruncateLabels(false);
    }
    auto* y = new QValueAxis;
    double maximo = 0;
    for (const auto& fila : d.valores) {
        for (double v : fila) {
            maximo = std::max(maximo, v);
        }
    }
    y->setRange(0, maximo > 0 ? maximo * 1.1 : 1);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : grafico->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

void barras(QChart* grafico, const DatosGrafico& d) {
    auto* serie = new QBarSeries;
    for (int f = 0; f < d.filas(); ++f) {
        auto* conjunto = new QBarSet(qtexto(d.etiquetasFila[static_cast<std::size_t>(f)]));
        for (int c = 0; c < d.columnas(); ++c) {
            conjunto->append(valor(d, f, c));
        }
        if (auto color = colorDe(d, f)) {
            conjunto->setColor(*color);
        }
        serie->append(conjunto);
    }
    grafico->addSeries(serie);
    agregarEjes(grafico, d);
}

void lineas(QChart* grafico, const DatosGrafico& d) {
    for (int f = 0; f < d.filas(); ++f) {
        auto* serie = new QLineSeries;
        serie->setName(qtexto(d.etiquetasFila[static_cast<std::size_t>(f)]));
        for (int c = 0; c < d.columnas(); ++c) {
            serie->append(c, valor(d, f, c));
        }
        if (auto color = colorDe(d, f)) {
            serie->setColor(*color);
        }
        serie->setPointsVisible(f == 0 && d.marcadoresSerie1);
        serie->setMarkerSize(8);
        grafico->addSeries(serie);
    }
    agregarEjes(grafico, d);
}

void torta(QChart* grafico, const DatosGrafico& d) {
    auto* serie = new QPieSeries;
    for (int f = 0; f < d.filas() && d.columnas() > 0; ++f) {
        QPieSlice* porcion =
            serie->append(qtexto(d.etiquetasFila[static_cast<std::size_t>(f)]), valor(d, f, 0));
        if (auto color = colorDe(d, f)) {
            porcion->setColor(*color);
        }
    }
    grafico->addSeries(serie);
}

} // namespace

QChartView* CrearVistaGrafico(QWidget* padre) {
    auto* vista = new QChartView(new QChart, padre);
    vista->setObjectName("char_socios");
    vista->setRenderHint(QPainter::Antialiasing);
    return vista;
}

void DibujarGrafico(QChartView* vista, const DatosGrafico& d) {
    // A fresh chart each time: nothing of the previous type's axes or series stays.
    auto* grafico = new QChart;
    switch (d.tipo) {
    case ranking::TipoGrafico::Barras:
        barras(grafico, d);
        break;
    case ranking::TipoGrafico::Linea:
        lineas(grafico, d);
        break;
    case ranking::TipoGrafico::Torta:
        torta(grafico, d);
        break;
    }
    // Beside the plot the legend lists the bar labels one under the other.
    grafico->legend()->setAlignment(Qt::AlignRight);
    grafico->legend()->setVisible(d.leyenda);
    QChart* anterior = vista->chart();
    vista->setChart(grafico);
    delete anterior;
}

QImage ImagenGrafico(QChartView* vista) {
    return vista->grab().toImage();
}

} // namespace reports::ui
