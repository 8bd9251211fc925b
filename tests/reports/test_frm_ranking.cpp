#include "app/ui/frm_principal.h"
#include "core/twips.h"
#include "reports/ui/fabrica_grafico.h"
#include "reports/ui/frm_ranking.h"
#include "tests/reports/graficos_guardados.h"
#include "tests/reports/presta_ranking.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>

#include "tests/apoyo/aplicacion_qt.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class FrmRanking : public ::testing::Test {
protected:
    void SetUp() override { prueba::aplicacion(); }

    template <typename T> static T* control(QWidget* w, const char* nombre) {
        auto* c = w->findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    static QStringList lineas(reports::ui::frm_ranking& v) {
        // Every line ends with a line break; the numbers use the system's separator.
        QString t = control<QPlainTextEdit>(&v, "TextLista")->toPlainText();
        t.replace(QLocale::system().decimalPoint(), ",");
        return t.split('\n', Qt::SkipEmptyParts);
    }
    static QString barras(reports::ui::frm_ranking& v) {
        return control<QLineEdit>(&v, "txt_barras")->text();
    }
    static QAbstractButton* casilla(reports::ui::frm_ranking& v, int i) {
        return control<QButtonGroup>(&v, "chk_mostrar")->button(i);
    }
    static QChart* grafico(reports::ui::frm_ranking& v) {
        return control<QChartView>(&v, "char_socios")->chart();
    }

    prueba::PrestaRanking base;
};

// Three rows drawn through the factory in the given type.
QChart* dibujarTres(QChartView* vista, reports::ranking::TipoGrafico tipo) {
    reports::ranking::Ranking r;
    r.campos = reports::ranking::Campos(reports::ranking::PorTema, {});
    for (auto [tema, cant] : {std::pair{"A", 5}, {"B", 3}, {"C", 2}}) {
        reports::ranking::FilaRanking f;
        f.valores[6] = tema;
        f.cant = cant;
        r.filas.push_back(f);
    }
    reports::ranking::DatosGrafico d;
    d.tipo = tipo;
    reports::ranking::Graficar(d, r, {false, 10, ","});
    reports::ui::DibujarGrafico(vista, d);
    return vista->chart();
}

} // namespace

TEST_F(FrmRanking, RankingDeLibrosDesdeElMenu) {
    app::ui::frm_principal principal(base.ctx, base.dialogos);
    QAction* libros = principal.acciones().mnu_librosRanking;
    libros->trigger();
    libros->trigger();
    QList<reports::ui::frm_ranking*> ventanas;
    for (QMdiSubWindow* sub : principal.area()->subWindowList()) {
        ventanas << qobject_cast<reports::ui::frm_ranking*>(sub->widget());
        EXPECT_EQ(sub->windowTitle(), "Ranking de Libros");
    }
    ASSERT_EQ(ventanas.size(), 2);
    reports::ui::frm_ranking& v = *ventanas[0];
    EXPECT_EQ(control<QButtonGroup>(&v, "opt_agrupar")->checkedId(), 1);
    EXPECT_EQ(lineas(v), (QStringList{"El Principito -  (41,67) ", "Martín Fierro -  (25) ",
                                      "Cosmos -  (16,67) ", "Rayuela -  (16,67) "}));
    EXPECT_EQ(barras(v), "4"); // fewer groups than the 5 bars asked for
    EXPECT_EQ(control<QLabel>(&v, "lbl_descipcionBarras")->text(), "Titulo -  (Porcentaje)");
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(casilla(v, i)->isEnabled(), i >= 5) << i; // 4 is the grouping's own
        EXPECT_EQ(casilla(v, i)->isChecked(), i == 4) << i;
    }

    principal.acciones().mnu_usuariosRanking->trigger();
    auto* usuarios =
        qobject_cast<reports::ui::frm_ranking*>(principal.area()->activeSubWindow()->widget());
    ASSERT_NE(usuarios, nullptr);
    EXPECT_EQ(usuarios->windowTitle(), "Ranking de Usuarios");
    EXPECT_EQ(lineas(*usuarios).first(), "100 -  (33,33) ");
}

TEST_F(FrmRanking, CambiarDeAgrupacionQuitaLasColumnasDeUsuario) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorUsuario);
    casilla(v, 1)->click();
    EXPECT_EQ(lineas(v).first(), "100 - Ana - Paz -  (33,33) ");
    EXPECT_EQ(barras(v), "5");
    EXPECT_EQ(lineas(v).size(), 5);

    control<QAbstractButton>(&v, "opt_agrupar_1")->click();
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(casilla(v, i)->isEnabled());
        EXPECT_FALSE(casilla(v, i)->isChecked());
    }
    EXPECT_EQ(lineas(v).first(), "El Principito -  (41,67) ");
    EXPECT_EQ(base.ctx.TextoSql,
              "SELECT titulo, COUNT(dni) AS cant FROM presta GROUP BY titulo  ORDER BY "
              "COUNT(titulo) DESC");

    // Grade offers every box again; the title box stays ticked from "Libro".
    control<QAbstractButton>(&v, "opt_agrupar_3")->click();
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(casilla(v, i)->isEnabled()) << i;
    }
    EXPECT_TRUE(casilla(v, 4)->isChecked());
}

TEST_F(FrmRanking, CadaCambioPideCincoBarrasDeNuevo) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorUsuario);
    auto* txt = control<QLineEdit>(&v, "txt_barras");
    txt->setText("2");
    QTest::keyClick(txt, Qt::Key_Return);
    EXPECT_EQ(lineas(v).size(), 2);
    EXPECT_EQ(grafico(v)->series().size(), 1);

    // Toggling the display twice keeps the requested bars and re-runs the list.
    auto* porcentual = control<QPushButton>(&v, "cmd_porcentual");
    porcentual->click();
    EXPECT_EQ(porcentual->text(), "N");
    EXPECT_EQ(lineas(v), (QStringList{"100 -  (4) ", "200 -  (3) "}));
    EXPECT_EQ(control<QLabel>(&v, "lbl_descipcionBarras")->text(), "DNI -  (Cantidad)");
    porcentual->click();
    EXPECT_EQ(lineas(v), (QStringList{"100 -  (33,33) ", "200 -  (25) "}));

    // A filter change asks for five again.
    control<QCheckBox>(&v, "chk_desde")->click();
    EXPECT_EQ(barras(v), "5");
}

// The window keeps its display mode itself; the caption only shows it.
TEST_F(FrmRanking, ElModoNoSeLeeDelTextoDelBoton) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorUsuario);
    auto* porcentual = control<QPushButton>(&v, "cmd_porcentual");
    porcentual->setText("&%");
    QTest::keyClick(control<QLineEdit>(&v, "txt_barras"), Qt::Key_Return);
    EXPECT_EQ(lineas(v).first(), "100 -  (33,33) ");
    porcentual->click();
    EXPECT_EQ(porcentual->text(), "N");
    EXPECT_EQ(lineas(v).first(), "100 -  (4) ");
    porcentual->click();
    EXPECT_EQ(porcentual->text(), "%");
    EXPECT_EQ(lineas(v).first(), "100 -  (33,33) ");
}

TEST_F(FrmRanking, LaCajaDeBarrasSoloAceptaDigitos) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorNivel);
    auto* txt = control<QLineEdit>(&v, "txt_barras");
    txt->clear();
    QTest::keyClicks(txt, "a1-x2 .");
    EXPECT_EQ(txt->text(), "12");
    QTest::keyClick(txt, Qt::Key_Backspace);
    EXPECT_EQ(txt->text(), "1");
    QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier); // no paste either
    EXPECT_EQ(txt->text(), "1");
    QTest::keyClick(txt, Qt::Key_Return);
    EXPECT_EQ(lineas(v), QStringList{"1 -  (58,33) "});
    EXPECT_EQ(txt->text(), "1");
}

TEST_F(FrmRanking, ResultadoVacioBlanqueaElGraficoSinCambiarSusFilas) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorTema);
    ASSERT_EQ(v.datosGrafico().filas(), 4);
    auto* desde = control<QDateEdit>(&v, "DTP_desde");
    EXPECT_EQ(desde->date(), QDate(2024, 6, 1)); // the program's today
    EXPECT_EQ(control<QDateEdit>(&v, "DTP_hasta")->date(), QDate(2024, 6, 1));
    control<QCheckBox>(&v, "chk_desde")->click();
    desde->setDate(QDate(2030, 1, 1));
    EXPECT_TRUE(lineas(v).isEmpty());
    EXPECT_EQ(v.datosGrafico().filas(), 4);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(v.datosGrafico().etiquetasFila[static_cast<std::size_t>(f)], "");
        EXPECT_EQ(v.datosGrafico().valores[static_cast<std::size_t>(f)][0], 0.0);
    }
    auto* serie = qobject_cast<QBarSeries*>(grafico(v)->series().value(0));
    ASSERT_NE(serie, nullptr);
    EXPECT_EQ(serie->count(), 4);
    EXPECT_TRUE(base.dialogos.mensajes.empty());
}

TEST_F(FrmRanking, ElCicloDeTiposDibujaLineaTortaYBarras) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorLibro);
    auto* ciclo = control<QPushButton>(&v, "cmd_Vgrafico");
    ciclo->click();
    auto* linea = qobject_cast<QLineSeries*>(grafico(v)->series().value(0));
    ASSERT_NE(linea, nullptr);
    EXPECT_EQ(linea->color(), QColor(255, 102, 0));
    EXPECT_TRUE(linea->pointsVisible());
    EXPECT_FALSE(grafico(v)->legend()->isVisible());
    EXPECT_EQ(barras(v), "4");

    // A refresh keeps the type.
    control<QPushButton>(&v, "cmd_porcentual")->click();
    EXPECT_NE(qobject_cast<QLineSeries*>(grafico(v)->series().value(0)), nullptr);

    ciclo->click();
    EXPECT_NE(qobject_cast<QPieSeries*>(grafico(v)->series().value(0)), nullptr);
    ciclo->click();
    EXPECT_NE(qobject_cast<QBarSeries*>(grafico(v)->series().value(0)), nullptr);
    EXPECT_EQ(barras(v), "5");
}

TEST_F(FrmRanking, FabricaDibujaTresFilasEnCadaTipo) {
    QChartView vista;
    const QList<QColor> paleta{QColor(102, 102, 102), QColor(255, 204, 153), QColor(102, 102, 51)};

    QChart* g = dibujarTres(&vista, reports::ranking::TipoGrafico::Barras);
    ASSERT_EQ(g->series().size(), 1);
    auto* barrasSerie = qobject_cast<QBarSeries*>(g->series()[0]);
    ASSERT_NE(barrasSerie, nullptr);
    ASSERT_EQ(barrasSerie->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(barrasSerie->barSets()[i]->color(), paleta[i]);
    }
    EXPECT_EQ(barrasSerie->barSets()[0]->label(), "A -  (5) ");
    EXPECT_TRUE(g->legend()->isVisible());

    g = dibujarTres(&vista, reports::ranking::TipoGrafico::Linea);
    ASSERT_EQ(g->series().size(), 1);
    auto* linea = qobject_cast<QLineSeries*>(g->series()[0]);
    ASSERT_NE(linea, nullptr);
    EXPECT_EQ(linea->count(), 3);
    EXPECT_EQ(linea->at(2).y(), 2.0);
    EXPECT_FALSE(g->legend()->isVisible());

    g = dibujarTres(&vista, reports::ranking::TipoGrafico::Torta);
    auto* torta = qobject_cast<QPieSeries*>(g->series().value(0));
    ASSERT_NE(torta, nullptr);
    ASSERT_EQ(torta->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(torta->slices()[i]->color(), paleta[i]);
    }
    EXPECT_EQ(torta->slices()[1]->label(), "B -  (3) ");
    EXPECT_TRUE(g->legend()->isVisible());
}

TEST_F(FrmRanking, ImprimirCanceladoNoDiceNada) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorUsuario);
    control<QPushButton>(&v, "cmd_print")->click();
    EXPECT_EQ(base.dialogos.impresionesPedidas, 1);
    EXPECT_TRUE(base.dialogos.mensajes.empty());
}

TEST_F(FrmRanking, ImprimirApaisadoYCopiarLaImagen) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.elegirAgrupacion(reports::ranking::PorUsuario);
    const std::string pdf = base.carpeta.archivo("grafico.pdf");
    base.dialogos.impresora = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    QApplication::clipboard()->clear();
    control<QPushButton>(&v, "cmd_print")->click();
    EXPECT_TRUE(base.dialogos.mensajes.empty());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
    // The clipboard keeps the chart's picture after printing.
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    // Landscape: the page is wider than high.
    const std::string contenido = base.carpeta.leer("grafico.pdf");
    const auto caja = contenido.find("/MediaBox [");
    ASSERT_NE(caja, std::string::npos);
    std::istringstream medidas(contenido.substr(caja + 11, 60));
    double x0 = 0, y0 = 0, ancho = 0, alto = 0;
    medidas >> x0 >> y0 >> ancho >> alto;
    EXPECT_GT(ancho, alto);

    QApplication::clipboard()->clear();
    control<QPushButton>(&v, "cmd_copy")->click();
    const QImage imagen = QApplication::clipboard()->image();
    EXPECT_EQ(imagen.size(), control<QChartView>(&v, "char_socios")->size());
}

TEST_F(FrmRanking, FalloDeLaListaSeMuestraConElTituloPorOmision) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    base.ctx.Conexion->ejecutar("DROP TABLE presta");
    v.elegirAgrupacion(reports::ranking::PorLibro);
    ASSERT_EQ(base.dialogos.mensajes.size(), 1u);
    EXPECT_NE(base.dialogos.mensajes[0].texto.find("presta"), std::string::npos);
    EXPECT_EQ(base.dialogos.mensajes[0].titulo, "");
    EXPECT_EQ(control<QLabel>(&v, "lbl_descipcionBarras")->text(), "Titulo -  (Porcentaje)");
}

TEST_F(FrmRanking, VentanasIndependientes) {
    reports::ui::frm_ranking a(base.ctx, base.dialogos);
    reports::ui::frm_ranking b(base.ctx, base.dialogos);
    a.elegirAgrupacion(reports::ranking::PorUsuario);
    casilla(a, 1)->click();
    b.elegirAgrupacion(reports::ranking::PorTema);
    control<QPushButton>(&b, "cmd_porcentual")->click();
    control<QPushButton>(&b, "cmd_Vgrafico")->click();

    EXPECT_EQ(control<QButtonGroup>(&a, "opt_agrupar")->checkedId(), 0);
    EXPECT_TRUE(casilla(a, 1)->isChecked());
    EXPECT_TRUE(casilla(a, 1)->isEnabled());
    EXPECT_EQ(control<QPushButton>(&a, "cmd_porcentual")->text(), "%");
    EXPECT_EQ(a.datosGrafico().tipo, reports::ranking::TipoGrafico::Barras);
    EXPECT_EQ(lineas(a).first(), "100 - Ana - Paz -  (33,33) ");
    EXPECT_EQ(lineas(b).first(), "LITERATURA - NOVELAS -  (6) ");
    EXPECT_EQ(b.datosGrafico().tipo, reports::ranking::TipoGrafico::Linea);
}

TEST_F(FrmRanking, CerrarConElFocoEnUnaListaNoRefresca) {
    auto* v = new reports::ui::frm_ranking(base.ctx, base.dialogos);
    v->show();
    v->elegirAgrupacion(reports::ranking::PorLibro);
    control<QComboBox>(v, "cmb_grado")->setFocus();
    QApplication::processEvents();
    base.ctx.TextoSql = "sin cambios";
    delete v; // the list box loses the focus while the window goes away
    EXPECT_EQ(base.ctx.TextoSql, "sin cambios");
}

TEST_F(FrmRanking, ListaYGraficoSiguenAlTamanoDeLaVentana) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.show();
    const double dpi = v.logicalDpiX();
    auto* lista = control<QPlainTextEdit>(&v, "TextLista");
    auto* vista = control<QChartView>(&v, "char_socios");
    v.resize(core::twips::aPixeles(9000, dpi), core::twips::aPixeles(6000, v.logicalDpiY()));
    EXPECT_NEAR(core::twips::desdePixeles(lista->width(), dpi), 9975, 15);
    EXPECT_NEAR(core::twips::desdePixeles(vista->height(), v.logicalDpiY()), 4335, 15);
    v.resize(core::twips::aPixeles(15000, dpi), core::twips::aPixeles(10000, v.logicalDpiY()));
    EXPECT_NEAR(core::twips::desdePixeles(lista->width(), dpi), 15000 - 375, 30);
    EXPECT_NEAR(core::twips::desdePixeles(vista->width(), dpi), 15000 - 375, 30);
    EXPECT_NEAR(core::twips::desdePixeles(vista->height(), v.logicalDpiY()), 10000 - 8490 + 4335,
                30);
    EXPECT_NEAR(core::twips::desdePixeles(lista->height(), v.logicalDpiY()), 1095, 15);
}

namespace {

void enviarRueda(QWidget* control) {
    QWheelEvent rueda(QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &rueda);
}

} // namespace

// Leaving a list box chooses nothing: neither the "TODOS" it shows nor an
// auto-completed text re-runs the ranking; Enter on an item's name does.
TEST_F(FrmRanking, DejarUnaListaNoEligeNiRecalcula) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.show();
    QApplication::setActiveWindow(&v);
    v.elegirAgrupacion(reports::ranking::PorLibro);
    auto* tipo = control<QComboBox>(&v, "cmb_tipousu");
    auto* barras = control<QLineEdit>(&v, "txt_barras");
    for (QComboBox* lista :
         {tipo, control<QComboBox>(&v, "cmb_grado"), control<QComboBox>(&v, "cmb_tematica")}) {
        base.ctx.TextoSql.clear();
        lista->setFocus();
        barras->setFocus();
        EXPECT_EQ(lista->currentText(), "TODOS") << lista->objectName().toStdString();
        EXPECT_EQ(lista->currentIndex(), -1);
        EXPECT_EQ(base.ctx.TextoSql, "") << lista->objectName().toStdString();
    }

    tipo->setFocus();
    tipo->lineEdit()->selectAll();
    QTest::keyClicks(tipo->lineEdit(), "Al"); // completed inline to "Alumno"
    barras->setFocus();
    EXPECT_EQ(tipo->currentText(), "TODOS");
    EXPECT_EQ(base.ctx.TextoSql, "");

    tipo->setFocus();
    tipo->lineEdit()->selectAll();
    QTest::keyClicks(tipo->lineEdit(), "alumno");
    QTest::keyClick(tipo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(tipo->currentIndex(), 1);
    EXPECT_NE(base.ctx.TextoSql.find("tipo_usu='Alumno'"), std::string::npos) << base.ctx.TextoSql;
}

// The wheel over a list box or a date picker without the focus changes
// nothing; with the focus it does.
TEST_F(FrmRanking, LaRuedaSinFocoNoCambiaLosFiltros) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.show();
    QApplication::setActiveWindow(&v);
    auto* grado = control<QComboBox>(&v, "cmb_grado");
    grado->setCurrentIndex(3);
    auto* desde = control<QDateEdit>(&v, "DTP_desde");
    control<QCheckBox>(&v, "chk_desde")->setChecked(true);
    const QDate fecha = desde->date();
    control<QLineEdit>(&v, "txt_barras")->setFocus();
    enviarRueda(grado);
    enviarRueda(desde);
    EXPECT_EQ(grado->currentIndex(), 3);
    EXPECT_EQ(desde->date(), fecha);
    grado->setFocus();
    enviarRueda(grado);
    EXPECT_NE(grado->currentIndex(), 3);
}

// Every item of the three lists shows whole in the pop-up: the longest
// subjects differ only at their end.
TEST_F(FrmRanking, LasListasDesplieganSusItemsEnteros) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.show();
    for (const char* nombre : {"cmb_tipousu", "cmb_grado", "cmb_tematica"}) {
        auto* lista = control<QComboBox>(&v, nombre);
        lista->showPopup();
        const QFontMetrics letra(lista->view()->font());
        for (int i = 0; i < lista->count(); ++i) {
            EXPECT_LT(letra.horizontalAdvance(lista->itemText(i)), lista->view()->width())
                << nombre << " " << lista->itemText(i).toStdString();
        }
        lista->hidePopup();
    }
}

namespace {

// `n` rows with long labels and counts n down to 1, laid out in `tipo`.
reports::ranking::DatosGrafico datosDe(int n, reports::ranking::TipoGrafico tipo) {
    reports::ranking::Ranking r;
    r.campos = reports::ranking::Campos(reports::ranking::PorTema, {});
    for (int i = 0; i < n; ++i) {
        reports::ranking::FilaRanking f;
        f.valores[6] = "LITERATURA INFANTIL Y JUVENIL - TEMA NÚMERO " + std::to_string(i + 1);
        f.cant = n - i;
        r.filas.push_back(f);
    }
    reports::ranking::DatosGrafico d;
    d.tipo = tipo;
    reports::ranking::Graficar(d, r, {false, 100, ","});
    return d;
}

QValueAxis* ejeValores(QChart* g) {
    for (QAbstractAxis* eje : g->axes(Qt::Vertical)) {
        if (auto* v = qobject_cast<QValueAxis*>(eje)) {
            return v;
        }
    }
    return nullptr;
}

} // namespace

TEST_F(FrmRanking, LosConteosTienenMarcasEnteras) {
    QWidget ventana;
    QChartView* vista = reports::ui::CrearVistaGrafico(&ventana);
    vista->resize(660, 290);
    reports::ui::DibujarGrafico(vista, datosDe(3, reports::ranking::TipoGrafico::Barras));
    QValueAxis* eje = ejeValores(vista->chart());
    ASSERT_NE(eje, nullptr);
    EXPECT_EQ(eje->tickType(), QValueAxis::TicksDynamic);
    EXPECT_EQ(eje->tickInterval(), std::floor(eje->tickInterval()));
    EXPECT_GE(eje->tickInterval(), 1.0);
    EXPECT_EQ(eje->tickAnchor(), 0.0);
    EXPECT_GT(eje->max(), 3.0);
    EXPECT_EQ(eje->labelFormat(), "%d");
}

// A percentage axis ends at the round value just above the largest bar, and
// never past 100; the ranking's shares are percentages too.
TEST_F(FrmRanking, ElEjeDePorcentajesNoPasaDeCien) {
    QWidget ventana;
    QChartView* vista = reports::ui::CrearVistaGrafico(&ventana);
    vista->resize(660, 290);
    reports::ranking::DatosGrafico d;
    d.etiquetasFila = {"Porcentaje de lectores"};
    d.etiquetasColumna = {"21", "22", "52"};
    d.colores = {std::nullopt};
    d.porcentajes = true;
    const std::pair<std::vector<double>, double> casos[] = {
        {{100, 57.1, 12.5}, 100}, {{57.1, 33.3, 0}, 60}, {{95.5, 4.5, 0}, 100}, {{3, 2, 1}, 4}};
    for (const auto& [valores, tope] : casos) {
        d.valores = {valores};
        reports::ui::DibujarGrafico(vista, d);
        QValueAxis* eje = ejeValores(vista->chart());
        ASSERT_NE(eje, nullptr);
        EXPECT_EQ(eje->max(), tope) << valores[0];
        EXPECT_EQ(eje->min(), 0.0);
    }

    reports::ranking::DatosGrafico partes;
    reports::ranking::Ranking r;
    r.campos = reports::ranking::Campos(reports::ranking::PorTema, {});
    reports::ranking::Graficar(partes, r, {true, 10, ","});
    EXPECT_TRUE(partes.porcentajes);
    reports::ranking::Graficar(partes, r, {false, 10, ","});
    EXPECT_FALSE(partes.porcentajes);
}

// Forty bars: each its own colour, none fading to white, and a legend that
// lists every label whole in a list that scrolls.
TEST_F(FrmRanking, MuchasBarrasConColoresPropiosYLeyendaLegible) {
    QWidget ventana;
    QChartView* vista = reports::ui::CrearVistaGrafico(&ventana);
    vista->resize(660, 290);
    ventana.show();
    const reports::ranking::DatosGrafico d = datosDe(40, reports::ranking::TipoGrafico::Barras);
    reports::ui::DibujarGrafico(vista, d);
    auto* serie = qobject_cast<QBarSeries*>(vista->chart()->series().value(0));
    ASSERT_NE(serie, nullptr);
    QSet<QRgb> colores;
    for (QBarSet* barra : serie->barSets()) {
        colores.insert(barra->color().rgb());
        EXPECT_LT(barra->color().lightness(), 215) << barra->label().toStdString();
    }
    EXPECT_EQ(colores.size(), 40);
    auto* lista = vista->findChild<QListWidget*>("lst_leyenda");
    ASSERT_NE(lista, nullptr);
    EXPECT_TRUE(lista->isVisible());
    EXPECT_FALSE(vista->chart()->legend()->isVisible());
    ASSERT_EQ(lista->count(), 40);
    EXPECT_EQ(lista->item(39)->text().toStdString(), d.etiquetasFila[39]);
    EXPECT_GT(lista->verticalScrollBar()->maximum(), 0);
    // A few bars keep the chart's own legend.
    reports::ui::DibujarGrafico(vista, datosDe(3, reports::ranking::TipoGrafico::Barras));
    EXPECT_FALSE(lista->isVisible());
    EXPECT_TRUE(vista->chart()->legend()->isVisible());
}

// A line whose labels do not fit its axis numbers its points and lists the
// labels whole beside it.
TEST_F(FrmRanking, LaLineaMuestraSusEtiquetasEnteras) {
    QWidget ventana;
    QChartView* vista = reports::ui::CrearVistaGrafico(&ventana);
    vista->resize(660, 290);
    ventana.show();
    const reports::ranking::DatosGrafico d = datosDe(5, reports::ranking::TipoGrafico::Linea);
    reports::ui::DibujarGrafico(vista, d);
    auto* categorias =
        qobject_cast<QBarCategoryAxis*>(vista->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(categorias, nullptr);
    EXPECT_EQ(categorias->categories(), (QStringList{"1", "2", "3", "4", "5"}));
    auto* lista = vista->findChild<QListWidget*>("lst_leyenda");
    ASSERT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->item(0)->text().toStdString(), "1. " + d.etiquetasColumna[0]);
    EXPECT_FALSE(vista->chart()->legend()->isVisible());
}

// Two lines over two years of months: the months stay on the axis, written
// upwards, and the legend names the two lines.
TEST_F(FrmRanking, DosLineasConLeyendaDeSusNombres) {
    QWidget ventana;
    QChartView* vista = reports::ui::CrearVistaGrafico(&ventana);
    vista->resize(660, 290);
    ventana.show();
    reports::ranking::DatosGrafico d;
    d.tipo = reports::ranking::TipoGrafico::Linea;
    d.etiquetasFila = {"Este año", "Año anterior"};
    d.valores.resize(2);
    for (int mes = 0; mes < 24; ++mes) {
        d.etiquetasColumna.push_back(QString("%1-%2")
                                         .arg(2025 + mes / 12)
                                         .arg(mes % 12 + 1, 2, 10, QChar('0'))
                                         .toStdString());
        d.valores[0].push_back(mes);
        d.valores[1].push_back(24 - mes);
    }
    d.colores = {std::nullopt, std::nullopt};
    d.etiquetasVerticales = true;
    reports::ui::DibujarGrafico(vista, d);
    auto* meses = qobject_cast<QBarCategoryAxis*>(vista->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(meses, nullptr);
    EXPECT_EQ(meses->categories().value(23), "2026-12");
    EXPECT_FALSE(vista->findChild<QListWidget*>("lst_leyenda")->isVisible());
    QStringList nombres;
    for (QLegendMarker* marca : vista->chart()->legend()->markers()) {
        nombres << marca->label();
    }
    EXPECT_EQ(nombres, (QStringList{"Este año", "Año anterior"}));
    EXPECT_TRUE(vista->chart()->legend()->isVisible());
}

// An empty result says "Sin datos" instead of a lone legend square.
TEST_F(FrmRanking, UnResultadoVacioDiceSinDatos) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.show();
    v.elegirAgrupacion(reports::ranking::PorUsuario);
    auto* sinDatos = control<QLabel>(&v, "lbl_sinDatos");
    EXPECT_FALSE(sinDatos->isVisible());
    control<QCheckBox>(&v, "chk_desde")->click();
    control<QDateEdit>(&v, "DTP_desde")->setDate(QDate(2030, 1, 1));
    EXPECT_TRUE(sinDatos->isVisible());
    EXPECT_EQ(sinDatos->text(), "Sin datos");
    EXPECT_FALSE(grafico(v)->legend()->isVisible());
}

// The ranking's chart saves as PNG at the resolution asked for and as SVG,
// with the bars' description.
TEST_F(FrmRanking, ElGraficoComoPngYSvg) {
    reports::ui::frm_ranking v(base.ctx, base.dialogos);
    v.show();
    v.elegirAgrupacion(reports::ranking::PorLibro);
    const std::string descripcion =
        control<QLabel>(&v, "lbl_descipcionBarras")->text().toStdString();
    ASSERT_FALSE(descripcion.empty());
    prueba::ComprobarGraficoGuardado(v, *control<QChartView>(&v, "char_socios"), base, 200,
                                     descripcion);
}
