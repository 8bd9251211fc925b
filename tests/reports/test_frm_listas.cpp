#include "app/ui/frm_principal.h"
#include "app/ui/menus_listas.h"
#include "core/twips.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "reports/ui/frm_busqueda_libros.h"
#include "reports/ui/frm_busqueda_usuarios.h"
#include "reports/ui/frm_usuarios_libros.h"
#include "reports/ui/grilla_modelo.h"
#include "tests/apoyo/filas_presta.h"
#include "tests/apoyo/revision_modelo.h"
#include "tests/reports/presta_prueba.h"

#include <QAction>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/controles.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using prueba::control;
using prueba::dobleClicCelda;
using prueba::dobleClicEncabezado;

class EntornoQt : public ::testing::Environment {
public:
    void SetUp() override { prueba::aplicacion(); }
};
[[maybe_unused]] auto* const entorno = ::testing::AddGlobalTestEnvironment(new EntornoQt);

bool terminaCon(const std::string& texto, const std::string& fin) {
    return texto.size() >= fin.size() &&
           texto.compare(texto.size() - fin.size(), fin.size(), fin) == 0;
}

// The model behind a window's grid fg_usu.
QAbstractItemModel* modeloGrilla(QWidget& ventana) {
    auto* grilla = ventana.findChild<QTableView*>("fg_usu");
    EXPECT_NE(grilla, nullptr);
    return grilla->model();
}

class VentanasListas : public ::testing::Test {
protected:
    prueba::PrestaPrueba p;
};

} // namespace

TEST_F(VentanasListas, LosComandosReusanLaUnicaListaYCambianSuModo) {
    app::ui::frm_principal principal(p.ctx, p.dialogos);
    principal.acciones().mnu_librosPrestados->trigger();
    ASSERT_EQ(principal.area()->subWindowList().size(), 1);
    auto* lista = qobject_cast<reports::ui::frm_usuarios_libros*>(
        principal.area()->subWindowList()[0]->widget());
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->windowTitle(), "Libros prestados");
    EXPECT_EQ(control<QLineEdit>(*lista, "txt_criterio")->text(), "4");
    EXPECT_FALSE(control<QLineEdit>(*lista, "txt_criterio")->isVisibleTo(lista));
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, "ORDER BY devuelto"));
    EXPECT_EQ(lista->grilla().filas(), 4);

    principal.acciones().mnu_usuariosRetrasados->trigger();
    EXPECT_EQ(principal.area()->subWindowList().size(), 1);
    EXPECT_EQ(lista->windowTitle(), "Libros morosos");
    EXPECT_EQ(lista->grilla().filas(), 3);

    // "Renovados" cannot be chosen; its handler still opens mode 2.
    EXPECT_FALSE(principal.acciones().mnu_librosRenovados->isEnabled());
    app::ui::AbrirListaPrestamos(principal, p.ctx, p.dialogos, "2");
    EXPECT_EQ(lista->windowTitle(), "Libros renovados");
    EXPECT_EQ(lista->grilla().texto(1, 10), "A1");
    EXPECT_EQ(lista->grilla().filas(), 3);

    principal.acciones().mnu_buscarLibros->trigger();
    principal.acciones().mnu_buscarUsuarios->trigger();
    principal.acciones().mnu_buscarLibros->trigger();
    EXPECT_EQ(principal.area()->subWindowList().size(), 3);
    EXPECT_EQ(p.dialogos.mensajes.size(), 0u);
}

TEST_F(VentanasListas, ManejadoresDeLaListaDePrestamos) {
    reports::ui::frm_usuarios_libros w(p.ctx, p.dialogos);
    const prueba::RevisionModelo revision(modeloGrilla(w));
    EXPECT_EQ(control<QDateEdit>(w, "DTP_desde")->date(), QDate(2024, 5, 10));
    EXPECT_NE(w.findChild<QGroupBox*>("Frame1"), nullptr);
    EXPECT_EQ(control<QPushButton>(w, "cmd_print")->toolTip(), "Imprimir");

    QTest::keyClicks(control<QLineEdit>(w, "txt_apellido"), "Gom");
    EXPECT_EQ(p.ctx.TextoSql, ""); // typing alone runs nothing
    QTest::keyClick(control<QLineEdit>(w, "txt_legajo"), Qt::Key_Return);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, "%')ORDER BY legajo"));
    EXPECT_EQ(w.grilla().filas(), 4);

    control<QLineEdit>(w, "txt_apellido")->clear();
    control<QDateEdit>(w, "DTP_desde")
        ->setDate(QDate(2024, 4, 1)); // box unticked: no date condition
    EXPECT_EQ(p.ctx.TextoSql.find("fecha_presta >="), std::string::npos);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, "ORDER BY fecha_presta"));
    control<QCheckBox>(w, "chk_desde")->setChecked(true);
    EXPECT_TRUE(control<QDateEdit>(w, "DTP_desde")->isEnabled());
    EXPECT_NE(p.ctx.TextoSql.find("WHERE fecha_presta >= '20240401' "), std::string::npos);
    EXPECT_EQ(w.grilla().filas(), 5);

    control<QComboBox>(w, "cmb_tipousu")->setCurrentIndex(4); // Docente
    EXPECT_EQ(w.grilla().filas(), 3);

    // The reset runs the list for each change: the lists before the grid is
    // emptied, the date box after, so the cleared list shows.
    QTest::mouseClick(control<QPushButton>(w, "cmd_reload"), Qt::LeftButton);
    EXPECT_EQ(control<QComboBox>(w, "cmb_tipousu")->currentIndex(), 0);
    EXPECT_FALSE(control<QCheckBox>(w, "chk_desde")->isChecked());
    EXPECT_FALSE(control<QDateEdit>(w, "DTP_desde")->isEnabled());
    EXPECT_EQ(w.grilla().filas(), 6);
    // With nothing ticked the grid stays empty after a reset.
    QTest::mouseClick(control<QPushButton>(w, "cmd_reload"), Qt::LeftButton);
    EXPECT_EQ(w.grilla().filas(), 1);
    EXPECT_EQ(w.grilla().columnas(), 1);
}

TEST_F(VentanasListas, DobleClicEnEncabezadoReordena) {
    reports::ui::frm_usuarios_libros w(p.ctx, p.dialogos);
    w.show();
    w.Lista("devuelto");
    dobleClicEncabezado(control<QTableView>(w, "fg_usu"), 8); // "Autor"
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, "ORDER BY autor"));
    EXPECT_EQ(w.grilla().texto(1, 9), "Ana María");
    w.Lista("devuelto");
    dobleClicCelda(control<QTableView>(w, "fg_usu"), 3, 8);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, "ORDER BY devuelto"));
}

TEST_F(VentanasListas, CopiaLaSeleccionYNadaBajoDosFilas) {
    reports::ui::frm_usuarios_libros w(p.ctx, p.dialogos);
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->setText("previo");
    QTest::mouseClick(control<QPushButton>(w, "cmd_copy"), Qt::LeftButton);
    EXPECT_EQ(portapapeles->text(), "previo");

    w.Lista("devuelto"); // A2 (no return date), A3, A1, A4
    QTest::mouseClick(control<QPushButton>(w, "cmd_copy"), Qt::LeftButton);
    EXPECT_EQ(portapapeles->text(), ""); // the last written cell, empty
    auto* modelo = control<QTableView>(w, "fg_usu")->model();
    control<QTableView>(w, "fg_usu")
        ->selectionModel()
        ->setCurrentIndex(modelo->index(0, 1), QItemSelectionModel::ClearAndSelect);
    control<QTableView>(w, "fg_usu")
        ->selectionModel()
        ->select(QItemSelection(modelo->index(0, 1), modelo->index(1, 3)),
                 QItemSelectionModel::ClearAndSelect);
    QTest::mouseClick(control<QPushButton>(w, "cmd_copy"), Qt::LeftButton);
    EXPECT_EQ(portapapeles->text(), "200\tJuan\tPérez\r300\tLuis\tD'Angelo");
}

TEST_F(VentanasListas, ImprimeEnLaImpresoraElegidaYCallaAlCancelar) {
    reports::ui::frm_usuarios_libros w(p.ctx, p.dialogos);
    QTest::mouseClick(control<QPushButton>(w, "cmd_print"), Qt::LeftButton);
    EXPECT_EQ(p.dialogos.impresionesPedidas, 0); // fewer than two rows

    w.Lista("devuelto");
    QTest::mouseClick(control<QPushButton>(w, "cmd_print"), Qt::LeftButton); // the script cancels
    EXPECT_EQ(p.dialogos.impresionesPedidas, 1);
    EXPECT_TRUE(p.dialogos.mensajes.empty());

    const std::string pdf = p.carpeta.archivo("grilla.pdf");
    p.dialogos.impresora = [&](QPrinter& impresora) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    QTest::mouseClick(control<QPushButton>(w, "cmd_print"), Qt::LeftButton);
    EXPECT_TRUE(p.dialogos.mensajes.empty());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
}

TEST_F(VentanasListas, SentenciaRechazadaSeMuestraYLaGrillaQuedaComoEstaba) {
    reports::ui::frm_busqueda_usuarios w(p.ctx, p.dialogos);
    const prueba::RevisionModelo revision(modeloGrilla(w));
    QTest::mouseClick(control<QPushButton>(w, "cmd_buscar"), Qt::LeftButton);
    ASSERT_EQ(w.grilla().filas(), 6);
    p.ctx.Conexion->ejecutar("DROP TABLE presta");
    QTest::mouseClick(control<QPushButton>(w, "cmd_buscar"), Qt::LeftButton);
    ASSERT_EQ(p.dialogos.mensajes.size(), 1u);
    EXPECT_EQ(p.dialogos.mensajes[0].titulo, "");
    EXPECT_NE(p.dialogos.mensajes[0].texto.find("presta"), std::string::npos);
    EXPECT_EQ(w.grilla().filas(), 6);
}

TEST_F(VentanasListas, BusquedaDeLibros) {
    reports::ui::frm_busqueda_libros w(p.ctx, p.dialogos);
    const prueba::RevisionModelo revision(modeloGrilla(w));
    EXPECT_EQ(w.windowTitle(), "Búsqueda de Libros");
    EXPECT_EQ(control<QDateEdit>(w, "DTP_desde")->date(), QDate(2005, 9, 8));
    EXPECT_EQ(control<QDateEdit>(w, "DTP_hasta")->date(), QDate(2005, 9, 8));
    EXPECT_EQ(p.ctx.TextoSql, ""); // nothing searched on opening
    QSignalSpy corridas(control<QTableView>(w, "fg_usu")->model(), &QAbstractItemModel::modelReset);

    control<QComboBox>(w, "cmb_grado")->setCurrentIndex(6); // choosing starts nothing
    control<QCheckBox>(w, "chk_desde")->setChecked(true);   // neither does ticking
    EXPECT_EQ(corridas.count(), 0);
    EXPECT_TRUE(control<QDateEdit>(w, "DTP_desde")->isEnabled());
    QTest::mouseClick(control<QPushButton>(w, "cmd_buscar"), Qt::LeftButton);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql,
                           "WHERE grado LIKE  '1%'  AND fecha_presta >= '20050908'  ORDER BY "
                           "titulo"));
    EXPECT_EQ(w.grilla().filas(), 3);

    QTest::keyClicks(control<QComboBox>(w, "cmb_tematica")->lineEdit(), "AR");
    EXPECT_EQ(corridas.count(), 3); // the button and each keystroke
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, " ORDER BY fecha_presta"));

    control<QLineEdit>(w, "txt_autor")->setText("ana");
    QTest::keyClick(control<QLineEdit>(w, "txt_autor"), Qt::Key_Return);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql,
                           "AND  sin_acentos(autor) LIKE sin_acentos('%ana%') AND fecha_presta >= "
                           "'20050908'  ORDER BY autor"));
    QTest::keyClick(control<QLineEdit>(w, "txt_inventario"), Qt::Key_Return);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, " ORDER BY inventario"));

    QTest::mouseClick(control<QPushButton>(w, "cmd_reload"), Qt::LeftButton);
    EXPECT_EQ(corridas.count(), 6); // the last is the reset's own emptying
    EXPECT_EQ(w.grilla().filas(), 1);
    EXPECT_EQ(control<QLineEdit>(w, "txt_autor")->text(), "");
    EXPECT_EQ(control<QComboBox>(w, "cmb_grado")->currentIndex(), 0);
    EXPECT_FALSE(control<QDateEdit>(w, "DTP_desde")->isEnabled());
}

TEST_F(VentanasListas, BusquedaDeUsuarios) {
    reports::ui::frm_busqueda_usuarios w(p.ctx, p.dialogos);
    const prueba::RevisionModelo revision(modeloGrilla(w));
    w.show();
    QSignalSpy corridas(control<QTableView>(w, "fg_usu")->model(), &QAbstractItemModel::modelReset);
    QTest::keyClicks(control<QComboBox>(w, "cmb_grado")->lineEdit(), "PRI");
    EXPECT_EQ(corridas.count(), 0);
    QTest::keyClicks(control<QComboBox>(w, "cmb_tipousu")->lineEdit(), "A");
    EXPECT_EQ(corridas.count(), 1);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, " ORDER BY fecha_presta"));

    control<QComboBox>(w, "cmb_tipousu")->setCurrentIndex(0);
    control<QLineEdit>(w, "txt_nombre")->setText("an");
    QTest::keyClick(control<QLineEdit>(w, "txt_nombre"), Qt::Key_Return);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql,
                           "WHERE  sin_acentos(nombre) LIKE sin_acentos('%an%') ORDER BY nombre"));
    ASSERT_EQ(w.grilla().filas(), 5);
    EXPECT_EQ(w.grilla().columnas(), 15);
    EXPECT_EQ(control<QTableView>(w, "fg_usu")->model()->headerData(13, Qt::Horizontal).toString(),
              "Suspendido");

    dobleClicEncabezado(control<QTableView>(w, "fg_usu"), 13);
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, " ORDER BY suspendido"));
    QTest::mouseDClick(control<QTableView>(w, "fg_usu")->verticalHeader()->viewport(),
                       Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(terminaCon(p.ctx.TextoSql, " ORDER BY suspendido"));

    control<QLineEdit>(w, "txt_apellido")->setText("D'Angelo");
    QTest::keyClick(control<QLineEdit>(w, "txt_apellido"), Qt::Key_Return);
    EXPECT_EQ(w.grilla().filas(), 2); // "an" and D'Angelo: nobody
    control<QLineEdit>(w, "txt_nombre")->clear();
    QTest::keyClick(control<QLineEdit>(w, "txt_apellido"), Qt::Key_Return);
    ASSERT_EQ(w.grilla().filas(), 3);
    EXPECT_EQ(w.grilla().texto(1, 4), "D'Angelo");
}

TEST_F(VentanasListas, LaGrillaSigueAlTamanoDeLaVentana) {
    reports::ui::frm_busqueda_libros w(p.ctx, p.dialogos);
    w.show();
    const auto px = [&](int t) { return core::twips::aPixeles(t, w.logicalDpiX()); };
    const auto py = [&](int t) { return core::twips::aPixeles(t, w.logicalDpiY()); };
    // Opened as wide as its filter frame, so every button shows; the grid
    // then follows the window's width.
    for (const QWidget* boton :
         {control<QPushButton>(w, "cmd_buscar"), control<QPushButton>(w, "cmd_copy"),
          control<QPushButton>(w, "cmd_print"), control<QPushButton>(w, "cmd_reload")}) {
        EXPECT_LE(boton->mapTo(&w, QPoint(boton->width(), 0)).x(), w.width())
            << boton->objectName().toStdString();
    }
    EXPECT_NEAR(control<QTableView>(w, "fg_usu")->width(), px(11715 - 375), 1);
    EXPECT_EQ(control<QTableView>(w, "fg_usu")->geometry().top(), py(1860));
    w.resize(px(12000), py(9000));
    QApplication::processEvents();
    EXPECT_NEAR(control<QTableView>(w, "fg_usu")->width(), px(11625), 1);
    EXPECT_NEAR(control<QTableView>(w, "fg_usu")->height(), py(9000 - 2565), 1);
}

// The loan list and the member search place their frame, labels and boxes as
// designed, and their grid keeps its least size in a small window and
// follows a large one by each window's own height rule.
TEST_F(VentanasListas, ListaYBusquedaDeUsuariosSiguenSusReglas) {
    reports::ui::frm_usuarios_libros lista(p.ctx, p.dialogos);
    reports::ui::frm_busqueda_usuarios usuarios(p.ctx, p.dialogos);
    struct Caso {
        QWidget& ventana;
        int altoMarco;
        int arribaGrilla;
        int altoMinimo;
        int restaAlto;
    };
    for (const Caso& c :
         {Caso{lista, 1935, 2160, 5595, 2880}, Caso{usuarios, 1635, 1860, 5925, 2565}}) {
        QWidget& w = c.ventana;
        const std::string nombre = w.objectName().toStdString();
        const auto rect = [&](int x, int y, int ancho, int alto) {
            return QRect(core::twips::aPixeles(x, w.logicalDpiX()),
                         core::twips::aPixeles(y, w.logicalDpiY()),
                         core::twips::aPixeles(ancho, w.logicalDpiX()),
                         core::twips::aPixeles(alto, w.logicalDpiY()));
        };
        // Sizes a whole number of pixels at 96 dpi, read back as given.
        const auto redimensionar = [&](int ancho, int alto) {
            w.resize(rect(0, 0, ancho, alto).size());
            QApplication::processEvents();
        };
        w.show();
        EXPECT_EQ(control<QGroupBox>(w, "Frame1")->geometry(), rect(120, 120, 11475, c.altoMarco))
            << nombre;
        EXPECT_EQ(control<QLabel>(w, "lbl_nombre")->geometry(), rect(60, 720, 735, 315)) << nombre;
        EXPECT_EQ(control<QLineEdit>(w, "txt_nombre")->geometry(), rect(855, 720, 2880, 315))
            << nombre;
        EXPECT_EQ(control<QLabel>(w, "lbl_tematica")->text(), "Temática") << nombre;

        auto* grilla = control<QTableView>(w, "fg_usu");
        redimensionar(9000, 6000);
        EXPECT_EQ(grilla->geometry(), rect(120, c.arribaGrilla, 9975, c.altoMinimo)) << nombre;
        redimensionar(12000, 9000);
        EXPECT_EQ(grilla->geometry(), rect(120, c.arribaGrilla, 12000 - 375, 9000 - c.restaAlto))
            << nombre;
        EXPECT_EQ(control<QPushButton>(w, "cmd_reload")->geometry(), rect(10680, 900, 495, 375))
            << nombre;
    }
}

// Qt Test's model checks over the grid model, for every shape a run leaves.
TEST(ModeloGrilla, PasaLasRevisionesDeQtConCadaGrilla) {
    prueba::PrestaPrueba p;
    reports::ui::ModeloGrilla modelo;
    const prueba::RevisionModelo revision(&modelo);
    const auto& columnas = reports::ColumnasUsuarios();
    reports::Grilla llena = reports::GrillaDeConsulta(
        p.ctx, reports::SentenciaBusquedaUsuarios({}, "apellido"), columnas);
    ASSERT_EQ(llena.filas(), 6);
    modelo.reemplazar(llena);
    EXPECT_EQ(modelo.rowCount(), 5);
    EXPECT_EQ(modelo.columnCount(), 14);
    EXPECT_EQ(modelo.headerData(0, Qt::Horizontal).toString(), "DNI");
    EXPECT_EQ(modelo.headerData(0, Qt::Vertical).toString(), "1");

    reports::FiltrosPrestamos nadie;
    nadie.apellido = "nadie";
    reports::Grilla vacia = reports::GrillaDeConsulta(
        p.ctx, reports::SentenciaBusquedaUsuarios(nadie, "apellido"), columnas);
    ASSERT_EQ(vacia.filas(), 2);
    modelo.reemplazar(vacia);
    EXPECT_EQ(modelo.rowCount(), 1);

    reports::Grilla unaCelda;
    unaCelda.fijarFilas(1);
    unaCelda.fijarColumnas(1);
    modelo.reemplazar(unaCelda);
    EXPECT_EQ(modelo.rowCount(), 0);
    EXPECT_EQ(modelo.columnCount(), 0);
    modelo.reemplazar(reports::Grilla{});
    modelo.reemplazar(llena);
    EXPECT_EQ(modelo.rowCount(), 5);
}

// A model the checks must reject: a negative column count.
class ModeloRoto : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : 1; }
    int columnCount(const QModelIndex& = {}) const override { return -1; }
    QVariant data(const QModelIndex&, int) const override { return {}; }
};

TEST(ModeloGrilla, UnaRevisionQueFallaHaceFallarLaPrueba) {
    ModeloRoto roto;
    ::testing::TestPartResultArray fallas;
    {
        const ::testing::ScopedFakeTestPartResultReporter interceptor(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &fallas);
        const prueba::RevisionModelo revision(&roto);
    }
    ASSERT_GT(fallas.size(), 0);
    EXPECT_TRUE(fallas.GetTestPartResult(0).nonfatally_failed());
    EXPECT_NE(std::string(fallas.GetTestPartResult(0).message()).find("columnCount"),
              std::string::npos)
        << fallas.GetTestPartResult(0).message();
}

// The grid's model keeps Qt's item-model contract through every kind of
// change the window makes (a run, a reorder, a reset that empties it), and
// shows the grid's texts as they are.
TEST_F(VentanasListas, ElModeloDeLaGrillaCumpleElContratoDeQt) {
    reports::ui::frm_usuarios_libros w(p.ctx, p.dialogos);
    QAbstractItemModel* modelo = modeloGrilla(w);
    const prueba::RevisionModelo revision(modelo);
    w.Lista("devuelto");
    ASSERT_EQ(modelo->rowCount(), 5); // four loans and the empty row
    EXPECT_EQ(modelo->headerData(6, Qt::Horizontal), QString("Título"));
    EXPECT_EQ(modelo->headerData(3, Qt::Vertical), QString("4"));
    EXPECT_EQ(modelo->index(0, 3).data(), QString("Pérez"));
    w.Lista("autor");
    QTest::mouseClick(control<QPushButton>(w, "cmd_reload"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "cmd_reload"), Qt::LeftButton);
    EXPECT_EQ(modelo->rowCount(), 0);
    EXPECT_EQ(modelo->columnCount(), 0);
}

// A long list opens at its first row and column, though its current cell is
// the last one written; captions, dates and row numbers show whole; the row
// count is shown, and an empty result says so.
TEST_F(VentanasListas, LaGrillaSeLeeEnteraDesdeArribaALaIzquierda) {
    std::vector<std::vector<std::optional<std::string>>> filas;
    for (int i = 0; i < 367; ++i) {
        filas.push_back({std::to_string(30000000 + i), "20240110", "Ficciones"});
    }
    prueba::agregarFilasPresta(p.ctx, {"dni", "fecha_presta", "titulo"}, filas);
    reports::ui::frm_usuarios_libros lista(p.ctx, p.dialogos);
    lista.show();
    lista.Lista("devuelto");
    auto* grilla = control<QTableView>(lista, "fg_usu");
    QApplication::processEvents();

    EXPECT_EQ(lista.grilla().fila(), 372); // the trailing empty row stays current
    EXPECT_EQ(lista.grilla().columna(), 13);
    EXPECT_EQ(grilla->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grilla->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(grilla->rowAt(0), 0);
    EXPECT_EQ(grilla->columnAt(0), 0);

    const QFontMetrics letraFilas(grilla->verticalHeader()->font());
    EXPECT_GT(grilla->verticalHeader()->width(), letraFilas.horizontalAdvance("371"));
    const QFontMetrics letraTitulos(grilla->horizontalHeader()->font());
    const QFontMetrics letra(grilla->font());
    for (int c = 0; c < grilla->model()->columnCount(); ++c) {
        const QString titulo = grilla->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_GT(grilla->columnWidth(c), letraTitulos.horizontalAdvance(titulo))
            << titulo.toStdString();
    }
    EXPECT_GT(grilla->columnWidth(0), letra.horizontalAdvance("30000366"));  // DNI
    EXPECT_GT(grilla->columnWidth(10), letra.horizontalAdvance("20240110")); // loan date
    EXPECT_EQ(control<QLabel>(lista, "lbl_filas")->text(), "371 filas");
    EXPECT_FALSE(control<QLabel>(lista, "lbl_sinResultados")->isVisible());

    auto* legajo = control<QLineEdit>(lista, "txt_legajo");
    legajo->setText("999");
    QTest::keyClick(legajo, Qt::Key_Return);
    EXPECT_EQ(control<QLabel>(lista, "lbl_filas")->text(), "0 filas");
    EXPECT_TRUE(control<QLabel>(lista, "lbl_sinResultados")->isVisible());
    EXPECT_EQ(control<QLabel>(lista, "lbl_sinResultados")->text(), "Sin resultados");
}

// Typed search text matches whatever accents the stored text or the typed
// one carries, in any case.
TEST_F(VentanasListas, LaBusquedaNoDistingueAcentos) {
    reports::ui::frm_busqueda_usuarios w(p.ctx, p.dialogos);
    auto* apellido = control<QLineEdit>(w, "txt_apellido");
    for (const char* tecleado : {"perez", "PEREZ", "Pérez"}) {
        apellido->setText(QString::fromUtf8(tecleado));
        QTest::keyClick(apellido, Qt::Key_Return);
        ASSERT_EQ(w.grilla().filas(), 3) << tecleado; // header, Juan Pérez, trailing row
        EXPECT_EQ(w.grilla().texto(1, 4), "Pérez") << tecleado;
    }
    apellido->setText(QString::fromUtf8("GÓMEZ"));
    QTest::keyClick(apellido, Qt::Key_Return);
    EXPECT_EQ(w.grilla().filas(), 4); // Ana Gomez's two loans
    EXPECT_TRUE(p.dialogos.mensajes.empty());
}

// The picture buttons show our own pictures, each its own, with no icon
// theme on the machine; the ranking's likewise.
TEST_F(VentanasListas, LosBotonesDeImagenSeDistinguen) {
    reports::ui::frm_busqueda_libros libros(p.ctx, p.dialogos);
    QList<QImage> imagenes;
    for (const char* nombre : {"cmd_buscar", "cmd_copy", "cmd_print", "cmd_reload"}) {
        auto* boton = control<QPushButton>(libros, nombre);
        const QImage imagen = boton->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(imagen.isNull()) << nombre;
        EXPECT_FALSE(boton->toolTip().isEmpty()) << nombre;
        EXPECT_FALSE(imagenes.contains(imagen)) << nombre;
        imagenes << imagen;
    }
}

// A window smaller than its controls scrolls to them instead of cutting
// them; a window as large as its design has nothing to scroll.
TEST_F(VentanasListas, UnaVentanaChicaSeDesplaza) {
    reports::ui::frm_usuarios_libros lista(p.ctx, p.dialogos);
    lista.show();
    auto* desplazable = control<QScrollArea>(lista, "desplazable");
    QApplication::processEvents();
    EXPECT_EQ(desplazable->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(desplazable->verticalScrollBar()->maximum(), 0);
    lista.resize(lista.minimumSize());
    QApplication::processEvents();
    EXPECT_GT(desplazable->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(desplazable->verticalScrollBar()->maximum(), 0);
    // The frame keeps its designed width, reachable by scrolling.
    EXPECT_EQ(control<QGroupBox>(lista, "Frame1")->width(),
              core::twips::aPixeles(11475, lista.logicalDpiX()));
}

// The outputs menu: a PDF of the member search holds every column and the
// heading; copy with headers puts the captions first; Ctrl+C copies the
// whole selection.
TEST_F(VentanasListas, SalidasDeLaGrillaPdfYCopiaConEncabezados) {
    reports::ui::frm_busqueda_usuarios w(p.ctx, p.dialogos);
    w.Lista("apellido");
    const std::string pdf = p.carpeta.archivo("usuarios.pdf");
    p.dialogos.guardados.push_back(pdf);
    w.findChild<QAction*>("mnu_guardarPdf")->trigger();
    ASSERT_TRUE(p.dialogos.mensajes.empty()) << p.dialogos.mensajes.front().texto;
    ASSERT_EQ(p.dialogos.guardadosPedidos.size(), 1u);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::string texto;
    {
        std::unique_ptr<FILE, int (*)(FILE*)> tubo(
            popen(("pdftotext -layout '" + pdf + "' -").c_str(), "r"), pclose);
        char bloque[4096];
        while (tubo && !feof(tubo.get())) {
            texto.append(bloque, fread(bloque, 1, sizeof bloque, tubo.get()));
        }
    }
    for (const char* esperado : {"Suspendido", "Fecha Devolucion", "Devuelto", "Página 1 de 1",
                                 "Todo el período", "Impreso el 10/05/2024"}) {
        EXPECT_NE(texto.find(esperado), std::string::npos) << esperado << "\n" << texto;
    }

    auto* vista = control<QTableView>(w, "fg_usu");
    vista->selectionModel()->select(
        QItemSelection(vista->model()->index(0, 2), vista->model()->index(1, 3)),
        QItemSelectionModel::ClearAndSelect);
    w.findChild<QAction*>("mnu_copiarConTitulos")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().split('\r').front(), "Nombre\tApellido");
    QApplication::clipboard()->clear();
    w.show();
    vista->setFocus();
    QTest::keyClick(vista, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count('\r'), 1)
        << QApplication::clipboard()->text().toStdString();
}
