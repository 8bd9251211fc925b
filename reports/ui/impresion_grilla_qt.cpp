#include "reports/ui/impresion_grilla_qt.h"

#include "core/error.h"
#include "core/twips.h"
#include "reports/avisos_devolucion.h"
#include "reports/impresion_grilla.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace reports::ui {

namespace {

// Points in twips; the painter draws in twips, so the fonts are sized in them.
constexpr int puntos(int n) {
    return n * core::twips::PorPulgada / 72;
}

class MedidorQt : public MedidorTexto {
public:
    explicit MedidorQt(const QFont& fuente) : metricas_(fuente) {}
    double ancho(const std::string& texto) const override {
        return metricas_.horizontalAdvance(QString::fromStdString(texto));
    }
    double altoLinea() const override { return metricas_.height(); }
    double ascenso() const { return metricas_.ascent(); }

private:
    QFontMetricsF metricas_;
};

QFont fuenteVerdana(int tamano) {
    QFont fuente("Verdana");
    fuente.setPixelSize(puntos(tamano));
    return fuente;
}

// The page's printable height, in twips.
double altoEnTwips(const QPrinter& impresora) {
    const double escala = impresora.resolution() / static_cast<double>(core::twips::PorPulgada);
    return impresora.pageLayout().paintRectPixels(impresora.resolution()).height() / escala;
}

double anchoEnTwips(const QPrinter& impresora) {
    const double escala = impresora.resolution() / static_cast<double>(core::twips::PorPulgada);
    return impresora.pageLayout().paintRectPixels(impresora.resolution()).width() / escala;
}

// Draws the pages laid out in twips, one printed page each, and ends the document.
void dibujarPaginas(QPrinter& impresora, const std::vector<PaginaImpresa>& paginas,
                    const QFont& fuente, const MedidorQt& medidor) {
    const double escala = impresora.resolution() / static_cast<double>(core::twips::PorPulgada);
    QPainter pintor;
    if (!pintor.begin(&impresora)) {
        throw core::Error(core::Error::ErrorImpresora,
                          "No se pudo imprimir en la impresora elegida");
    }
    for (std::size_t n = 0; n < paginas.size(); ++n) {
        if (n > 0 && !impresora.newPage()) {
            throw core::Error(core::Error::ErrorImpresora, "No se pudo comenzar una página nueva");
        }
        pintor.resetTransform();
        pintor.scale(escala, escala);
        pintor.setFont(fuente);
        pintor.setPen(QPen(Qt::black, 0));
        pintor.setBrush(Qt::NoBrush);
        for (const OperacionDibujo& op : paginas[n]) {
            switch (op.tipo) {
            case OperacionDibujo::Tipo::Texto:
                pintor.drawText(QPointF(op.x1, op.y1 + medidor.ascenso()),
                                QString::fromStdString(op.texto));
                break;
            case OperacionDibujo::Tipo::Linea:
                pintor.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
                break;
            case OperacionDibujo::Tipo::Caja:
                pintor.drawRect(QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)));
                break;
            }
        }
    }
    pintor.end();
}

} // namespace

void ImprimirGrilla(QPrinter& impresora, const Grilla& grilla, double izquierda, double arriba) {
    impresora.setPageOrientation(QPageLayout::Landscape);
    const QFont fuente = fuenteVerdana(6);
    const MedidorQt medidor(fuente);
    dibujarPaginas(impresora,
                   ImprimirGrilla(medidor, grilla, izquierda, arriba, altoEnTwips(impresora)),
                   fuente, medidor);
}

void ImprimirAvisos(QPrinter& impresora, const std::vector<informes::AvisoDevolucion>& avisos,
                    const std::string& cue, core::Fecha hoy) {
    impresora.setPageOrientation(QPageLayout::Portrait);
    const QFont fuente = fuenteVerdana(9);
    const MedidorQt medidor(fuente);
    dibujarPaginas(impresora,
                   informes::ImprimirAvisos(medidor, avisos, cue, hoy, anchoEnTwips(impresora),
                                            altoEnTwips(impresora)),
                   fuente, medidor);
}

} // namespace reports::ui
