#include "reports/ui/impresion_grilla_qt.h"

#include "core/error.h"
#include "core/twips.h"
#include "reports/impresion_grilla.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace reports::ui {

namespace {

// 6 points are 120 twips; the painter draws in twips, so the font is sized in them.
constexpr int FuenteEnTwips = 6 * core::twips::PorPulgada / 72;

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

} // namespace

void ImprimirGrilla(QPrinter& impresora, const Grilla& grilla, double izquierda, double arriba) {
    impresora.setPageOrientation(QPageLayout::Landscape);
    QFont fuente("Verdana");
    fuente.setPixelSize(FuenteEnTwips);
    const MedidorQt medidor(fuente);
    const double escala = impresora.resolution() / static_cast<double>(core::twips::PorPulgada);
    const double altoPagina =
        impresora.pageLayout().paintRectPixels(impresora.resolution()).height() / escala;
    const auto paginas = ImprimirGrilla(medidor, grilla, izquierda, arriba, altoPagina);

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

} // namespace reports::ui
