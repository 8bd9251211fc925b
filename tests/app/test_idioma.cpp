#include "app/ui/inicio_programa.h"
#include "core/ui/dialogos_qt.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/carpeta_temporal.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

// A session without a language of its own: LANG=C and LC_ALL=C, set before
// the application object reads them.
struct Idioma : ::testing::Test {
    void SetUp() override {
        ::setenv("LANG", "C", 1);
        ::setenv("LC_ALL", "C", 1);
        ASSERT_TRUE(app::ui::prepararPrograma(prueba::aplicacion()));
        ASSERT_EQ(QLocale::system().name(), "C");
    }
};

TEST_F(Idioma, FechasYTextosDeQtEnCastellano) {
    EXPECT_EQ(QLocale().toString(QDate(2024, 12, 9), "d MMM"), "9 dic");
    EXPECT_EQ(QLocale().toString(QDate(2024, 3, 1), "MMMM"), "marzo");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Ver en:");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "ar.edu.biblioteca.Estadisticas");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// The open-file dialog lists a file's date with the Spanish month, though the
// system's locale is C.
TEST_F(Idioma, ElDialogoDeArchivosMuestraLasFechasEnCastellano) {
    prueba::CarpetaTemporal carpeta;
    carpeta.escribir("PRESTA.MST", "x");
    const auto diciembre = std::chrono::file_clock::from_sys(std::chrono::sys_seconds(
        std::chrono::sys_days(std::chrono::year(2024) / 12 / 9) + std::chrono::hours(10)));
    std::filesystem::last_write_time(carpeta.archivo("PRESTA.MST"), diciembre);

    QFileDialog dialogo(nullptr, "Seleccione base prestamos",
                        QString::fromStdString(carpeta.ruta()),
                        core::ui::filtroQt("Bases Isis|*.mst|Toos los Archivos|*.*"));
    core::ui::prepararDialogoArchivo(dialogo);
    dialogo.show();
    auto* lista = dialogo.findChild<QTreeView*>("treeView");
    ASSERT_NE(lista, nullptr);
    QString fecha;
    for (int espera = 0; espera < 100 && fecha.isEmpty(); ++espera) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        const QModelIndex raiz = lista->rootIndex();
        for (int f = 0; f < lista->model()->rowCount(raiz); ++f) {
            if (lista->model()->index(f, 0, raiz).data().toString() == "PRESTA.MST") {
                fecha = lista->model()->index(f, 3, raiz).data().toString();
            }
        }
    }
    EXPECT_TRUE(fecha.startsWith("9 dic 2024")) << fecha.toStdString();
    EXPECT_EQ(dialogo.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
              "Cancelar");
}

// A question defaults to No, so Enter never confirms by mistake; a box is
// at least as wide as its title.
TEST_F(Idioma, UnaPreguntaEligeNoPorOmisionYElTituloCabe) {
    QMessageBox caja(QMessageBox::Question, "Salir del programa de estadísticas de préstamos",
                     "¿Está seguro?", QMessageBox::Yes | QMessageBox::No);
    core::ui::prepararMensaje(caja);
    EXPECT_EQ(caja.defaultButton(), caja.button(QMessageBox::No));
    EXPECT_EQ(caja.escapeButton(), caja.button(QMessageBox::No));
    caja.show();
    const QFontMetrics letra(QApplication::font("QMdiSubWindowTitleBar"));
    EXPECT_GT(caja.width(), letra.horizontalAdvance(caja.windowTitle()));
    EXPECT_EQ(caja.button(QMessageBox::No)->text(), "&No");
}

} // namespace
