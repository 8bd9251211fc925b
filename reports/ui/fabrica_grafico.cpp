#include "reports/ui/fabrica_grafico.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QListWidget>
#include <QPieSeries>
#include <QPieSlice>
#include <QPixmap>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace reports::ui {

namespace {

using ranking::DatosGrafico;

QString qtexto(const std::string& s) {
    return QString::fromStdString(s);
}

// The series' palette colour; past the palette, one of our own instead of
// the chart theme's, whose later shades fade to white. Hues a golden angle
// apart never repeat and stay apart from their neighbours.
QColor colorDe(const DatosGrafico& d, int serie) {
    const auto& c = d.colores.at(static_cast<std::size_t>(serie));
    if (c) {
        return QColor(c->r, c->g, c->b);
    }
    return QColor::fromHsv((serie * 137) % 360, 170 + (serie % 3) * 30, 200 - (serie % 4) * 30);
}

bool todosEnteros(const DatosGrafico& d) {
    for (const auto& fila : d.valores) {
        for (double v : fila) {
            if (v != std::floor(v)) {
                return false;
            }
        }
    }
    return true;
}

double valor(const DatosGrafico& d, int fila, int columna) {
    return d.valores[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
}

// The columns' labels, or their numbers when the labels go in the legend.
QStringList categorias(const DatosGrafico& d, bool numeradas) {
    QStringList c;
    for (const std::string& e : d.etiquetasColumna) {
        c << (numeradas ? QString::number(c.size() + 1) : qtexto(e));
    }
    return c;
}

// Category axis along the bottom, value axis from 0 to the largest value.
void agregarEjes(QChart* grafico, const DatosGrafico& d, bool numeradas = false) {
    auto* x = new QBarCategoryAxis;
    x->append(categorias(d, numeradas));
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
    if (d.porcentajes || todosEnteros(d)) {
        // Counts and percentages: whole-number ticks from 0.
        const ranking::EscalaValores escala = ranking::Escala(d);
        y->setTickType(QValueAxis::TicksDynamic);
        y->setTickAnchor(0);
        y->setTickInterval(escala.paso);
        y->setRange(0, escala.tope);
        y->setLabelFormat("%d");
    } else {
        y->setRange(0, maximo > 0 ? maximo * 1.1 : 1);
    }
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
        conjunto->setColor(colorDe(d, f));
        serie->append(conjunto);
    }
    grafico->addSeries(serie);
    agregarEjes(grafico, d);
}

void lineas(QChart* grafico, const DatosGrafico& d, bool numeradas) {
    for (int f = 0; f < d.filas(); ++f) {
        auto* serie = new QLineSeries;
        serie->setName(qtexto(d.etiquetasFila[static_cast<std::size_t>(f)]));
        for (int c = 0; c < d.columnas(); ++c) {
            serie->append(c, valor(d, f, c));
        }
        serie->setColor(colorDe(d, f));
        serie->setPointsVisible(f == 0 && d.marcadoresSerie1);
        serie->setMarkerSize(8);
        grafico->addSeries(serie);
    }
    agregarEjes(grafico, d, numeradas);
}

void torta(QChart* grafico, const DatosGrafico& d) {
    auto* serie = new QPieSeries;
    for (int f = 0; f < d.filas() && d.columnas() > 0; ++f) {
        QPieSlice* porcion =
            serie->append(qtexto(d.etiquetasFila[static_cast<std::size_t>(f)]), valor(d, f, 0));
        porcion->setColor(colorDe(d, f));
    }
    grafico->addSeries(serie);
}

// An empty result: nothing but blank labels and zeros.
bool sinDatos(const DatosGrafico& d) {
    for (const std::string& e : d.etiquetasFila) {
        if (!e.empty()) {
            return false;
        }
    }
    for (const auto& fila : d.valores) {
        for (double v : fila) {
            if (v != 0) {
                return false;
            }
        }
    }
    return true;
}

// Whether every label of the line fits under its point on the axis; a label
// written upwards needs only its line's height there.
bool etiquetasCaben(const QChartView* vista, const DatosGrafico& d) {
    const QFontMetrics letra(vista->font());
    const int porCategoria = vista->width() * 4 / 5 / std::max(d.columnas(), 1);
    if (d.etiquetasVerticales) {
        return letra.height() <= porCategoria;
    }
    return std::all_of(
        d.etiquetasColumna.begin(), d.etiquetasColumna.end(),
        [&](const std::string& e) { return letra.horizontalAdvance(qtexto(e)) <= porCategoria; });
}

// The legend when the chart's own cannot show it: a list at the chart's
// right that scrolls and wraps, its lines in the series' colours, beside a
// plot that keeps the rest; and "Sin datos" over an empty chart.
class LeyendaGrafico : public QObject {
public:
    struct Entrada {
        QColor color;
        QString texto;
    };

    explicit LeyendaGrafico(QChartView* vista)
        : QObject(vista), vista_(vista), lista_(new QListWidget(vista)),
          sinDatos_(new QLabel("Sin datos", vista)) {
        setObjectName("leyenda_grafico");
        lista_->setObjectName("lst_leyenda");
        lista_->setWordWrap(true);
        lista_->setTextElideMode(Qt::ElideNone);
        lista_->setSelectionMode(QAbstractItemView::NoSelection);
        lista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        lista_->setFrameShape(QFrame::NoFrame);
        lista_->hide();
        sinDatos_->setObjectName("lbl_sinDatos");
        sinDatos_->setAlignment(Qt::AlignCenter);
        sinDatos_->hide();
        vista->installEventFilter(this);
    }

    // `propia`: the chart shows its own legend when it fits; `siempre`: the
    // list is needed whatever the size (a line whose labels went to it).
    void mostrar(QList<Entrada> entradas, bool propia, bool siempre, bool vacio) {
        entradas_ = std::move(entradas);
        propia_ = propia;
        siempre_ = siempre;
        vacio_ = vacio;
        lista_->clear();
        for (const Entrada& e : entradas_) {
            QPixmap muestra(12, 12);
            muestra.fill(e.color);
            lista_->addItem(new QListWidgetItem(QIcon(muestra), e.texto));
        }
        colocar();
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == vista_ && evento->type() == QEvent::Resize) {
            colocar();
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    void colocar() {
        QChart* grafico = vista_->chart();
        const QRect zona = vista_->rect();
        sinDatos_->setGeometry(zona);
        sinDatos_->setVisible(vacio_);
        const int alto = QFontMetrics(grafico->legend()->font()).height() + 8;
        const bool desborda = static_cast<int>(entradas_.size()) * alto > zona.height() - 40;
        const bool conLista =
            !vacio_ && !entradas_.isEmpty() && (siempre_ || (propia_ && desborda));
        grafico->legend()->setVisible(propia_ && !vacio_ && !conLista);
        if (!conLista) {
            lista_->hide();
            grafico->setMargins(QMargins(20, 20, 20, 20));
            return;
        }
        const int ancho = std::clamp(zona.width() * 2 / 5, 120, 420);
        // On the chart's white card, clear of its rounded edge.
        lista_->setGeometry(zona.width() - ancho - 24, 24, ancho, zona.height() - 48);
        lista_->show();
        grafico->setMargins(QMargins(20, 20, ancho + 12, 20));
    }

    QChartView* vista_;
    QListWidget* lista_;
    QLabel* sinDatos_;
    QList<Entrada> entradas_;
    bool propia_ = false;
    bool siempre_ = false;
    bool vacio_ = false;
};

LeyendaGrafico* leyendaDe(QChartView* vista) {
    return static_cast<LeyendaGrafico*>(vista->findChild<QObject*>("leyenda_grafico"));
}

} // namespace

QChartView* CrearVistaGrafico(QWidget* padre) {
    auto* vista = new QChartView(new QChart, padre);
    vista->setObjectName("char_socios");
    vista->setRenderHint(QPainter::Antialiasing);
    new LeyendaGrafico(vista);
    return vista;
}

void DibujarGrafico(QChartView* vista, const DatosGrafico& d) {
    // A fresh chart each time: nothing of the previous type's axes or series stays.
    auto* grafico = new QChart;
    QList<LeyendaGrafico::Entrada> entradas;
    bool numeradas = false;
    switch (d.tipo) {
    case ranking::TipoGrafico::Barras:
        barras(grafico, d);
        break;
    case ranking::TipoGrafico::Linea:
        // Labels too long for the axis: numbers there, the labels in the list.
        // Only a single line can: with several, the legend names the lines.
        numeradas = d.filas() == 1 && !etiquetasCaben(vista, d);
        lineas(grafico, d, numeradas);
        break;
    case ranking::TipoGrafico::Torta:
        torta(grafico, d);
        break;
    }
    if (numeradas) {
        for (int c = 0; c < d.columnas(); ++c) {
            entradas.push_back(
                {colorDe(d, 0), QString("%1. %2").arg(c + 1).arg(
                                    qtexto(d.etiquetasColumna[static_cast<std::size_t>(c)]))});
        }
    } else if (d.leyenda) {
        for (int f = 0; f < d.filas(); ++f) {
            entradas.push_back(
                {colorDe(d, f), qtexto(d.etiquetasFila[static_cast<std::size_t>(f)])});
        }
    }
    // Beside the plot the legend lists the bar labels one under the other.
    grafico->legend()->setAlignment(Qt::AlignRight);
    grafico->legend()->setVisible(d.leyenda);
    QChart* anterior = vista->chart();
    vista->setChart(grafico);
    delete anterior;
    if (LeyendaGrafico* leyenda = leyendaDe(vista)) {
        leyenda->mostrar(entradas, d.leyenda, numeradas, sinDatos(d));
    }
}

QImage ImagenGrafico(QChartView* vista) {
    return vista->grab().toImage();
}

} // namespace reports::ui
