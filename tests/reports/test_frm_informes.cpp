// The report windows of the "Informes" menu: the same rows as the command
// line, the shared panel, grid, chart, printing and copying, the notices,
// and the summary's figures that open their report.
#include "app/ui/frm_principal.h"
#include "app/ui/menus_informes.h"
#include "core/archivo_ini.h"
#include "core/reloj.h"
#include "reports/ui/frm_atrasos.h"
#include "reports/ui/frm_informes.h"
#include "reports/ui/frm_ranking.h"
#include "reports/ui/frm_resumen.h"
#include "reports/ui/frm_usuarios_libros.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/controles.h"
#include "tests/apoyo/programa_cli.h"
#include "tests/apoyo/revision_modelo.h"
#include "tests/reports/informes_prueba.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

using prueba::control;
using Filas = std::vector<std::vector<std::string>>;

class EntornoQt : public ::testing::Environment {
public:
    void SetUp() override { prueba::aplicacion(); }
};
[[maybe_unused]] auto* const entorno = ::testing::AddGlobalTestEnvironment(new EntornoQt);

Filas filasDeGrilla(const reports::Grilla& g, int desdeColumna = 1) {
    Filas r;
    for (int f = 1; f + 1 < g.filas(); ++f) {
        std::vector<std::string> fila;
        for (int c = desdeColumna; c < g.columnas(); ++c) {
            fila.emplace_back(g.texto(f, c));
        }
        r.push_back(std::move(fila));
    }
    return r;
}

// The rows the command line printed, its header left out.
Filas filasDeTexto(const std::string& texto, std::size_t desdeColumna = 0) {
    Filas r;
    std::istringstream lineas(texto);
    std::string linea;
    std::getline(lineas, linea);
    while (std::getline(lineas, linea)) {
        std::vector<std::string> fila;
        std::istringstream celdas(linea);
        for (std::string celda; std::getline(celdas, celda, '\t');) {
            fila.push_back(celda);
        }
        if (!linea.empty() && linea.back() == '\t') {
            fila.emplace_back();
        }
        r.emplace_back(fila.begin() + static_cast<long>(desdeColumna), fila.end());
    }
    return r;
}

std::size_t veces(const std::string& texto, const std::string& que) {
    std::size_t n = 0;
    for (auto i = texto.find(que); i != std::string::npos; i = texto.find(que, i + 1)) {
        ++n;
    }
    return n;
}

// The report store with today the system's, so the command line agrees.
class VentanasInformes : public ::testing::Test {
protected:
    void imprimirEnPdf(const std::string& nombre) {
        pdf = p.carpeta.archivo(nombre);
        p.dialogos.impresora = [this](QPrinter& impresora) {
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(QString::fromStdString(pdf));
            return true;
        };
    }
    prueba::InformesPrueba p{core::Reloj().hoy()};
    std::string pdf;
};

TEST_F(VentanasInformes, CadaComandoMuestraSuVentanaConLasFilasDeLaLineaDeOrdenes) {
    app::ui::frm_principal principal(p.ctx, p.dialogos);
    const auto& a = principal.acciones();
    const std::tuple<QAction*, const char*, const char*, const char*> comandos[] = {
        {a.mnu_participacion, "frm_participacion", "Participación por grado", "participacion"},
        {a.mnu_sinPrestamos, "frm_sin_prestamos", "Socios sin préstamos", "sin-prestamos"},
        {a.mnu_sinUso, "frm_sin_uso", "Ejemplares sin uso", "sin-uso"},
        {a.mnu_atrasos, "frm_atrasos", "Atrasos", "atrasos"},
        {a.mnu_mensual, "frm_mensual", "Evolución mensual", "mensual"}};
    for (const auto& [accion, nombre, titulo, informe] : comandos) {
        accion->trigger();
        accion->trigger(); // the one window again
        auto* w = qobject_cast<reports::ui::VentanaInforme*>(
            principal.area()->activeSubWindow()->widget());
        ASSERT_NE(w, nullptr) << nombre;
        EXPECT_EQ(w->objectName().toStdString(), nombre);
        EXPECT_EQ(w->windowTitle().toStdString(), titulo);
        const prueba::SalidaCli cli =
            prueba::ejecutarCli(p.carpeta.ruta(), std::string("informe ") + informe);
        ASSERT_EQ(cli.codigo, 0) << cli.texto;
        EXPECT_EQ(filasDeGrilla(w->grilla()), filasDeTexto(cli.texto)) << informe;
        EXPECT_FALSE(filasDeGrilla(w->grilla()).empty()) << informe;
    }
    EXPECT_EQ(principal.area()->subWindowList().size(), 5);

    a.mnu_resumen->trigger();
    auto* resumen = principal.unica<reports::ui::frm_resumen>();
    ASSERT_NE(resumen, nullptr);
    EXPECT_EQ(resumen->windowTitle().toStdString(), "Resumen");
    const prueba::SalidaCli cli = prueba::ejecutarCli(p.carpeta.ruta(), "informe resumen");
    // The window's values, one row per figure, are the command line's.
    Filas valores = filasDeGrilla(resumen->grilla(), 2);
    Filas esperados = filasDeTexto("\n" + cli.texto, 1);
    EXPECT_EQ(valores, esperados);
    EXPECT_EQ(p.dialogos.mensajes.size(), 0u);
}

TEST_F(VentanasInformes, LosFiltrosQueElInformeNoAdmiteQuedanApagados) {
    reports::ui::frm_atrasos atrasos(p.ctx, p.dialogos);
    EXPECT_TRUE(control<QComboBox>(atrasos, "cmb_tipousu")->isEnabled());
    EXPECT_TRUE(control<QComboBox>(atrasos, "cmb_grado")->isEnabled());
    for (const char* apagado : {"cmb_tematica", "chk_desde", "chk_hasta"}) {
        EXPECT_FALSE(control<QWidget>(atrasos, apagado)->isEnabled()) << apagado;
    }
    reports::ui::frm_sin_uso sinUso(p.ctx, p.dialogos);
    for (const char* apagado : {"cmb_tipousu", "cmb_grado", "chk_hasta"}) {
        EXPECT_FALSE(control<QWidget>(sinUso, apagado)->isEnabled()) << apagado;
    }
    EXPECT_TRUE(control<QCheckBox>(sinUso, "chk_desde")->isEnabled());
    EXPECT_FALSE(control<QLabel>(sinUso, "lbl_informe")->text().isEmpty());
}

TEST_F(VentanasInformes, CadaCambioDelPanelCorreElInformeYRedibujaSuGrafico) {
    reports::ui::frm_participacion w(p.ctx, p.dialogos);
    const prueba::RevisionModelo revision(control<QTableView>(w, "fg_usu")->model());
    w.Listar();
    auto* grafico = control<QChartView>(w, "char_informe");
    ASSERT_EQ(grafico->chart()->series().size(), 1);
    control<QDateEdit>(w, "DTP_desde")->setDate(QDate(2024, 3, 1));
    control<QDateEdit>(w, "DTP_hasta")->setDate(QDate(2024, 3, 31));
    control<QCheckBox>(w, "chk_desde")->setChecked(true);
    control<QCheckBox>(w, "chk_hasta")->setChecked(true);
    EXPECT_NE(p.ctx.TextoSql.find("fecha_presta >= '20240301' AND fecha_presta <= '20240331'"),
              std::string::npos)
        << p.ctx.TextoSql;
    EXPECT_EQ(filasDeGrilla(w.grilla()).back(),
              (std::vector<std::string>{"TOTAL", "7", "4", "57.1", "5"}));
    // One bar per grade, the total left out.
    const auto ejes = grafico->chart()->axes(Qt::Horizontal);
    ASSERT_EQ(ejes.size(), 1);
    EXPECT_EQ(qobject_cast<QBarCategoryAxis*>(ejes[0])->categories(),
              (QStringList{"(sin grado)", "21", "22", "52"}));

    control<QComboBox>(w, "cmb_tipousu")->setCurrentIndex(4); // Docente
    EXPECT_EQ(filasDeGrilla(w.grilla()).size(), 2u);

    reports::ui::frm_mensual mensual(p.ctx, p.dialogos);
    mensual.Listar();
    const auto lineas = control<QChartView>(mensual, "char_informe")->chart()->series();
    ASSERT_EQ(lineas.size(), 2);
    EXPECT_EQ(lineas[0]->name(), "Préstamos del período");
    EXPECT_EQ(qobject_cast<QLineSeries*>(lineas[1])->count(),
              static_cast<int>(filasDeGrilla(mensual.grilla()).size()));
}

namespace {
// Where a control of the window is, in the window's own coordinates.
QRect lugarEn(const QWidget& ventana, const QWidget& control) {
    return QRect(control.mapTo(&ventana, QPoint(0, 0)), control.size());
}
} // namespace

// The row count under the grid stays clear of the chart, at the size the
// window opens with and when it grows.
TEST_F(VentanasInformes, ElGraficoNoTapaLaCuentaDeFilas) {
    reports::ui::frm_participacion participacion(p.ctx, p.dialogos);
    reports::ui::frm_mensual mensual(p.ctx, p.dialogos);
    for (reports::ui::VentanaInforme* w :
         std::initializer_list<reports::ui::VentanaInforme*>{&participacion, &mensual}) {
        w->show();
        w->Listar();
        const QSize inicial = w->size();
        for (const QSize tamano : {inicial, inicial + QSize(200, 300)}) {
            w->resize(tamano);
            QApplication::processEvents();
            auto* filas = control<QLabel>(*w, "lbl_filas");
            auto* grilla = control<QTableView>(*w, "fg_usu");
            const QRect cuenta = lugarEn(*w, *filas);
            const QRect grafico = lugarEn(*w, *control<QChartView>(*w, "char_informe"));
            ASSERT_FALSE(filas->text().isEmpty()) << w->objectName().toStdString();
            EXPECT_FALSE(cuenta.intersects(grafico))
                << w->objectName().toStdString() << " " << tamano.width() << "x" << tamano.height();
            EXPECT_FALSE(cuenta.intersects(lugarEn(*w, *grilla)));
            EXPECT_GE(cuenta.top(), lugarEn(*w, *grilla).bottom());
            EXPECT_GE(cuenta.height(), filas->fontMetrics().height());
        }
    }
}

// The monthly chart names its two lines in the legend, not its months; the
// participation's percentage axis never runs past 100.
TEST_F(VentanasInformes, LeyendaDeLasDosLineasYEjeDePorcentajesHastaCien) {
    reports::ui::frm_mensual mensual(p.ctx, p.dialogos);
    mensual.show();
    mensual.Listar();
    auto* vista = control<QChartView>(mensual, "char_informe");
    ASSERT_GT(filasDeGrilla(mensual.grilla()).size(), 1u);
    EXPECT_FALSE(control<QListWidget>(*vista, "lst_leyenda")->isVisible());
    QLegend* leyenda = vista->chart()->legend();
    EXPECT_TRUE(leyenda->isVisible());
    QStringList nombres;
    for (QLegendMarker* marca : leyenda->markers()) {
        nombres << marca->label();
    }
    EXPECT_EQ(nombres, (QStringList{"Préstamos del período", "Préstamos del año anterior"}));
    // The months stay on the axis.
    auto* meses = qobject_cast<QBarCategoryAxis*>(vista->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(meses, nullptr);
    QStringList esperados;
    for (const auto& fila : filasDeGrilla(mensual.grilla())) {
        esperados << QString::fromStdString(fila.at(0));
    }
    esperados.sort();
    EXPECT_EQ(meses->categories(), esperados);

    reports::ui::frm_participacion participacion(p.ctx, p.dialogos);
    participacion.show();
    participacion.Listar();
    QChart* barras = control<QChartView>(participacion, "char_informe")->chart();
    auto* eje = qobject_cast<QValueAxis*>(barras->axes(Qt::Vertical).value(0));
    ASSERT_NE(eje, nullptr);
    double mayor = 0;
    for (QBarSet* grado : qobject_cast<QBarSeries*>(barras->series().value(0))->barSets()) {
        for (int i = 0; i < grado->count(); ++i) {
            mayor = std::max(mayor, grado->at(i));
        }
    }
    EXPECT_GT(mayor, 0.0);
    EXPECT_GE(eje->max(), mayor);
    EXPECT_LE(eje->max(), 100.0);
}

TEST_F(VentanasInformes, ElEncabezadoOrdenaYElTotalQuedaUltimo) {
    reports::ui::frm_participacion w(p.ctx, p.dialogos);
    w.show();
    w.Listar();
    prueba::dobleClicEncabezado(control<QTableView>(w, "fg_usu"), 3); // "%"
    EXPECT_NE(p.ctx.TextoSql.find("ORDER BY total, porcentaje"), std::string::npos);
    const Filas filas = filasDeGrilla(w.grilla());
    ASSERT_GE(filas.size(), 2u);
    EXPECT_EQ(filas.back()[0], "TOTAL");
    for (std::size_t i = 1; i + 1 < filas.size(); ++i) {
        EXPECT_LE(std::stod(filas[i - 1][3]), std::stod(filas[i][3]));
    }
    // "Buscar" runs it again in the report's own order.
    QTest::mouseClick(control<QPushButton>(w, "cmd_buscar"), Qt::LeftButton);
    EXPECT_NE(p.ctx.TextoSql.find("ORDER BY total, grado"), std::string::npos);
}

TEST_F(VentanasInformes, ImprimeYCopiaComoLasListas) {
    reports::ui::frm_sin_prestamos w(p.ctx, p.dialogos);
    w.show();
    w.Listar();
    imprimirEnPdf("clase.pdf");
    QTest::mouseClick(control<QPushButton>(w, "cmd_print"), Qt::LeftButton);
    EXPECT_EQ(p.dialogos.impresionesPedidas, 1);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string texto = prueba::textoDelPdf(pdf);
    for (const char* esperado : {"Apellido", "Tipo Usuario", "Ñandú", "Ruiz"}) {
        EXPECT_NE(texto.find(esperado), std::string::npos) << esperado << "\n" << texto;
    }
    auto* grilla = control<QTableView>(w, "fg_usu");
    grilla->setCurrentIndex(grilla->model()->index(0, 2));
    grilla->selectionModel()->select(
        QItemSelection(grilla->model()->index(0, 2), grilla->model()->index(1, 3)),
        QItemSelectionModel::ClearAndSelect);
    QTest::mouseClick(control<QPushButton>(w, "cmd_copy"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Ruiz\tMia\rÑandú\tEva");
}

TEST_F(VentanasInformes, AvisosDeDevolucionUnoPorSocio) {
    core::Archivo_Ini ini(p.carpeta.ruta());
    ini.CUE = "060001500";
    ini.Grabar("INICIO");
    reports::ui::frm_atrasos w(p.ctx, p.dialogos);
    w.Listar();
    // Cancelling the printer dialog prints nothing and says nothing.
    QTest::mouseClick(control<QPushButton>(w, "cmd_avisos"), Qt::LeftButton);
    EXPECT_EQ(p.dialogos.impresionesPedidas, 1);
    EXPECT_TRUE(p.dialogos.mensajes.empty());

    imprimirEnPdf("avisos.pdf");
    QTest::mouseClick(control<QPushButton>(w, "cmd_avisos"), Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string texto = prueba::textoDelPdf(pdf);
    EXPECT_EQ(veces(texto, "Aviso de devolución"), 2u) << texto;
    EXPECT_EQ(veces(texto, "Escuela (CUE): 060001500"), 2u);
    for (const char* esperado : {"Socio: Gómez, Ana", "Socio: Sosa, Iván", "1 día de atraso",
                                 "10 días de atraso", "Ficciones (inv. AB1)", "Firma: ____"}) {
        EXPECT_NE(texto.find(esperado), std::string::npos) << esperado << "\n" << texto;
    }
    // Nobody late under the panel's filters: said, and no printer asked for.
    control<QComboBox>(w, "cmb_tipousu")->setCurrentIndex(4); // Docente
    QTest::mouseClick(control<QPushButton>(w, "cmd_avisos"), Qt::LeftButton);
    EXPECT_EQ(p.dialogos.impresionesPedidas, 2);
    ASSERT_EQ(p.dialogos.mensajes.size(), 1u);
    EXPECT_EQ(p.dialogos.mensajes[0].texto, "No hay préstamos atrasados de quien avisar.");
}

TEST_F(VentanasInformes, CadaCifraDelResumenAbreElInformeQueLaDetalla) {
    app::ui::frm_principal principal(p.ctx, p.dialogos);
    principal.show();
    auto* resumen = app::ui::AbrirResumen(principal, p.ctx, p.dialogos);
    const auto fila = [&](const std::string& clave) {
        const auto& cifras = resumen->cifras();
        for (std::size_t i = 0; i < cifras.size(); ++i) {
            if (cifras[i].clave == clave) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << clave;
        return 0;
    };
    auto* grilla = control<QTableView>(*resumen, "fg_usu");
    prueba::dobleClicCelda(grilla, fila("atrasados_ahora"), 1);
    auto* atrasos = principal.unica<reports::ui::frm_atrasos>();
    ASSERT_NE(atrasos, nullptr);
    EXPECT_EQ(std::to_string(atrasos->grilla().filas() - 2),
              resumen->cifras()[static_cast<std::size_t>(fila("atrasados_ahora"))].valor);

    // The period's loans open the monthly trend over the summary's period.
    prueba::dobleClicCelda(grilla, fila("prestamos_periodo"), 0);
    auto* mensual = principal.unica<reports::ui::frm_mensual>();
    ASSERT_NE(mensual, nullptr);
    EXPECT_TRUE(control<QCheckBox>(*mensual, "chk_desde")->isChecked());
    EXPECT_TRUE(control<QDateEdit>(*mensual, "DTP_desde")->isEnabled());
    EXPECT_EQ(control<QDateEdit>(*mensual, "DTP_desde")->date().toString("yyyyMMdd").toStdString(),
              resumen->cifras()[0].valor);

    prueba::dobleClicCelda(grilla, fila("prestados_ahora"), 1);
    auto* lista = principal.unica<reports::ui::frm_usuarios_libros>();
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->windowTitle(), "Libros prestados");
    EXPECT_EQ(std::to_string(lista->grilla().filas() - 2),
              resumen->cifras()[static_cast<std::size_t>(fila("prestados_ahora"))].valor);

    prueba::dobleClicCelda(grilla, fila("libro_1"), 1);
    const auto rankings = principal.findChildren<reports::ui::frm_ranking*>();
    ASSERT_EQ(rankings.size(), 1);
    EXPECT_EQ(rankings[0]->windowTitle(), "Ranking de Libros");
    EXPECT_TRUE(control<QCheckBox>(*rankings[0], "chk_desde")->isChecked());

    prueba::dobleClicCelda(grilla, fila("socios"), 1);
    EXPECT_NE(principal.unica<reports::ui::frm_participacion>(), nullptr);
    // Opening the summary again keeps one window and one link per figure.
    principal.acciones().mnu_resumen->trigger();
    prueba::dobleClicCelda(grilla, fila("libro_1"), 1);
    EXPECT_EQ(principal.findChildren<reports::ui::frm_ranking*>().size(), 2);
    for (const auto& m : p.dialogos.mensajes) {
        ADD_FAILURE() << m.texto;
    }
}

TEST_F(VentanasInformes, ElResumenRecuerdaSiSeAbreTrasCadaCarga) {
    EXPECT_FALSE(app::ui::ResumenAlCargar(p.ctx));
    {
        reports::ui::frm_resumen w(p.ctx, p.dialogos);
        EXPECT_FALSE(control<QCheckBox>(w, "chk_resumenAlCargar")->isChecked());
        control<QCheckBox>(w, "chk_resumenAlCargar")->setChecked(true);
    }
    EXPECT_TRUE(app::ui::ResumenAlCargar(p.ctx));
    EXPECT_NE(p.carpeta.leer("configuracion.ini").find("ResumenAlCargar=SI"), std::string::npos);
    reports::ui::frm_resumen otra(p.ctx, p.dialogos);
    EXPECT_TRUE(control<QCheckBox>(otra, "chk_resumenAlCargar")->isChecked());
}

} // namespace
