#include "reports/papel/pintar_paginas.h"

#include "core/error.h"
#include "core/twips.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace reports::papel {

namespace {

double escalaDe(QPagedPaintDevice& dispositivo) {
    return dispositivo.logicalDpiX() / static_cast<double>(core::twips::PorPulgada);
}

void dibujarTexto(QPainter& pintor, const OperacionDibujo& op, const MedidorQt& medidor) {
    pintor.save();
    pintor.translate(op.x1, op.y1);
    pintor.scale(op.tamano, op.tamano);
    pintor.drawText(QPointF(0, medidor.ascenso()), QString::fromStdString(op.texto));
    pintor.restore();
}

} // namespace

QFont FuenteVerdana(int puntos) {
    QFont fuente("Verdana");
    fuente.setPixelSize(puntos * core::twips::PorPulgada / 72);
    return fuente;
}

Hoja HojaDe(QPagedPaintDevice& dispositivo) {
    const double escala = escalaDe(dispositivo);
    const QRect area = dispositivo.pageLayout().paintRectPixels(dispositivo.logicalDpiX());
    return {area.width() / escala, area.height() / escala};
}

void DibujarPaginas(QPagedPaintDevice& dispositivo, const std::vector<PaginaImpresa>& paginas,
                    const QFont& fuente, const MedidorQt& medidor, const DibujoGrafico& grafico) {
    const double escala = escalaDe(dispositivo);
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) {
        throw core::Error(core::Error::ErrorImpresora,
                          "No se pudo imprimir en la impresora elegida");
    }
    for (std::size_t n = 0; n < paginas.size(); ++n) {
        if (n > 0 && !dispositivo.newPage()) {
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
                dibujarTexto(pintor, op, medidor);
                break;
            case OperacionDibujo::Tipo::Linea:
                pintor.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
                break;
            case OperacionDibujo::Tipo::Caja:
                pintor.drawRect(QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)));
                break;
            case OperacionDibujo::Tipo::Grafico:
                if (grafico) {
                    pintor.save();
                    grafico(pintor, QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)));
                    pintor.restore();
                }
                break;
            }
        }
    }
    pintor.end();
}

void ImprimirTabla(QPagedPaintDevice& dispositivo, const Grilla& grilla,
                   const std::vector<std::string>& encabezado, const DibujoGrafico& grafico,
                   const std::string& descripcion) {
    dispositivo.setPageOrientation(QPageLayout::Landscape);
    const QFont fuente = FuenteVerdana(6);
    const MedidorQt medidor(fuente);
    const Hoja hoja = HojaDe(dispositivo);
    std::vector<PaginaImpresa> paginas = PaginasGrilla(medidor, grilla, encabezado, hoja);
    if (grafico) {
        paginas.push_back(PaginaGrafico(medidor, encabezado, descripcion, hoja));
    }
    NumerarPaginas(medidor, paginas, hoja);
    DibujarPaginas(dispositivo, paginas, fuente, medidor, grafico);
}

} // namespace reports::papel
