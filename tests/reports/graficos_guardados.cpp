#include "tests/reports/graficos_guardados.h"

#include "tests/apoyo/controles.h"
#include "tests/apoyo/entorno.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace prueba {

namespace {

void comprobarPng(const std::string& ruta, const QChartView& grafico, int ppp) {
    QImage imagen;
    ASSERT_TRUE(imagen.load(QString::fromStdString(ruta), "PNG")) << ruta;
    const double escala = ppp / static_cast<double>(grafico.logicalDpiX());
    const QSizeF chart = grafico.chart()->size() * escala;
    EXPECT_EQ(imagen.width(), qRound(chart.width()));
    // The description's line under the chart.
    EXPECT_GT(imagen.height(), qRound(chart.height()));
    EXPECT_LT(imagen.height(), qRound(chart.height() * 1.25));
    EXPECT_NEAR(imagen.dotsPerMeterX() * 0.0254, ppp, 1.0);
    QSet<QRgb> colores;
    for (int y = 0; y < imagen.height(); y += 7) {
        for (int x = 0; x < imagen.width(); x += 7) {
            colores.insert(imagen.pixel(x, y));
        }
    }
    EXPECT_GT(colores.size(), 3) << "una imagen en blanco";
}

void comprobarSvg(const std::string& ruta, const std::string& descripcion) {
    QFile archivo(QString::fromStdString(ruta));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly)) << ruta;
    QXmlStreamReader xml(&archivo);
    int dibujos = 0;
    QString raiz;
    QString titulo;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString nombre = xml.name().toString();
        if (raiz.isEmpty()) {
            raiz = nombre;
        }
        if (nombre == "title") {
            titulo = xml.readElementText();
        }
        if (nombre == "path" || nombre == "rect" || nombre == "polyline" || nombre == "text") {
            ++dibujos;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(raiz, "svg");
    EXPECT_GT(dibujos, 10);
    EXPECT_EQ(titulo.toStdString(), descripcion);
}

} // namespace

void ComprobarGraficoGuardado(QWidget& ventana, QChartView& grafico, Entorno& entorno, int ppp,
                              const std::string& descripcion) {
    const std::string png = entorno.ruta("grafico.png");
    const std::string svg = entorno.ruta("grafico.svg");
    entorno.dialogos.guardados = {png, svg};
    entorno.dialogos.entradas = {std::to_string(ppp)};
    control<QAction>(ventana, "mnu_graficoPng")->trigger();
    control<QAction>(ventana, "mnu_graficoSvg")->trigger();
    EXPECT_TRUE(entorno.dialogos.mensajes.empty()) << entorno.dialogos.mensajes.front().texto;
    ASSERT_TRUE(std::filesystem::exists(png));
    ASSERT_TRUE(std::filesystem::exists(svg));
    comprobarPng(png, grafico, ppp);
    comprobarSvg(svg, descripcion);
}

} // namespace prueba
