// The outputs of the report windows as a librarian reaches them: the
// "Guardar" menu button and the grid's right-click menu, the print preview,
// the CSV file and the chart's picture.
#include "reports/ui/frm_atrasos.h"
#include "reports/ui/frm_informes.h"
#include "reports/ui/frm_resumen.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/controles.h"
#include "tests/apoyo/programa_cli.h"
#include "tests/reports/graficos_guardados.h"
#include "tests/reports/informes_prueba.h"

#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>

namespace {

using prueba::control;

class SalidasVentanas : public ::testing::Test {
protected:
    void SetUp() override { prueba::aplicacion(); }
    prueba::InformesPrueba p;
};

// The lines of a file, its byte-order mark kept on the first.
std::vector<std::string> lineasDe(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::vector<std::string> lineas;
    for (std::string linea; std::getline(archivo, linea);) {
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        lineas.push_back(linea);
    }
    return lineas;
}

// The actions' names in alphabetical order, as one line.
std::string nombresDe(const QList<QAction*>& acciones) {
    QStringList nombres;
    for (const QAction* a : acciones) {
        nombres << a->objectName();
    }
    nombres.sort();
    return nombres.join(' ').toStdString();
}

} // namespace

// The preview asks for pages: what it shows are the printout's pages, each
// with the heading and its number.
TEST_F(SalidasVentanas, LaVistaPreviaMuestraLasPaginasDeLaGrilla) {
    reports::ui::frm_sin_prestamos w(p.ctx, p.dialogos);
    w.show();
    w.Listar();
    const std::string pdf = p.ruta("vista.pdf");
    int paginas = 0;
    p.dialogos.vista = [&](QPrinter& impresora, const std::function<void(QPrinter&)>& pintar) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(QString::fromStdString(pdf));
        pintar(impresora);
        ++paginas;
    };
    control<QAction>(w, "mnu_vistaPrevia")->trigger();
    EXPECT_EQ(p.dialogos.vistasPedidas, 1);
    ASSERT_EQ(paginas, 1);
    EXPECT_TRUE(p.dialogos.mensajes.empty());
    const std::string texto = prueba::textoDelPdf(pdf);
    for (const char* esperado : {"Socios sin préstamos", "Página 1 de 1", "Apellido", "Ñandú"}) {
        EXPECT_NE(texto.find(esperado), std::string::npos) << esperado << "\n" << texto;
    }
}

// Every report window offers its outputs on the "Guardar" button and on the
// grid's right-click menu, the chart's pictures where it has a chart, and
// its CSV holds the grid's header and rows.
TEST_F(SalidasVentanas, CadaInformeGuardaSusFilasEnCsv) {
    reports::ui::frm_participacion participacion(p.ctx, p.dialogos);
    reports::ui::frm_sin_prestamos sinPrestamos(p.ctx, p.dialogos);
    reports::ui::frm_sin_uso sinUso(p.ctx, p.dialogos);
    reports::ui::frm_atrasos atrasos(p.ctx, p.dialogos);
    reports::ui::frm_mensual mensual(p.ctx, p.dialogos);
    reports::ui::frm_resumen resumen(p.ctx, p.dialogos);
    const std::array<std::pair<reports::ui::VentanaGrilla*, bool>, 6> ventanas{
        {{&participacion, true},
         {&sinPrestamos, false},
         {&sinUso, false},
         {&atrasos, false},
         {&mensual, true},
         {&resumen, false}}};
    for (const auto& [w, conGrafico] : ventanas) {
        const std::string nombre = w->objectName().toStdString();
        w->show();
        QTest::mouseClick(control<QPushButton>(*w, "cmd_buscar"), Qt::LeftButton);
        ASSERT_GE(w->grilla().filas(), 3) << nombre;

        QMenu* menu = control<QToolButton>(*w, "cmd_salidas")->menu();
        ASSERT_NE(menu, nullptr) << nombre;
        QStringList esperadas{"mnu_vistaPrevia", "mnu_guardarPdf", "mnu_exportarCsv",
                              "mnu_exportarXlsx", "mnu_copiarConTitulos"};
        if (conGrafico) {
            esperadas << "mnu_graficoPng"
                      << "mnu_graficoSvg";
        }
        esperadas.sort();
        EXPECT_EQ(nombresDe(menu->actions()), esperadas.join(' ').toStdString()) << nombre;
        EXPECT_EQ(nombresDe(control<QTableView>(*w, "fg_usu")->actions()),
                  esperadas.join(' ').toStdString())
            << nombre;
        EXPECT_EQ(control<QTableView>(*w, "fg_usu")->contextMenuPolicy(), Qt::ActionsContextMenu);

        const std::string csv = p.ruta(nombre + ".csv");
        p.dialogos.guardados = {csv};
        control<QAction>(*w, "mnu_exportarCsv")->trigger();
        EXPECT_TRUE(p.dialogos.mensajes.empty()) << nombre;
        const std::vector<std::string> lineas = lineasDe(csv);
        const reports::Grilla& g = w->grilla();
        ASSERT_EQ(static_cast<int>(lineas.size()), g.filas() - 1) << nombre;
        EXPECT_EQ(lineas[0].rfind("\xEF\xBB\xBF", 0), 0u) << nombre;
        // The header names the grid's columns, and every row follows it.
        for (int c = 1; c < g.columnas(); ++c) {
            const std::string titulo(g.texto(0, c));
            if (!titulo.empty()) {
                EXPECT_NE(lineas[0].find(titulo), std::string::npos) << nombre << ": " << titulo;
            }
        }
        for (int f = 1; f + 1 < g.filas(); ++f) {
            const std::string primera(g.texto(f, 1));
            EXPECT_NE(lineas[static_cast<std::size_t>(f)].find(primera), std::string::npos)
                << nombre << " fila " << f;
        }
    }
}

// The chart of a report saves as PNG at the resolution asked for and as SVG.
TEST_F(SalidasVentanas, ElGraficoDeUnInformeComoPngYSvg) {
    reports::ui::frm_mensual w(p.ctx, p.dialogos);
    w.show();
    w.Listar();
    prueba::ComprobarGraficoGuardado(w, *control<QChartView>(w, "char_informe"), p, 150,
                                     "Evolución mensual");
}
