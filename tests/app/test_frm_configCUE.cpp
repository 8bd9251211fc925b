#include "app/ui/frm_configCUE.h"
#include "app/ui/frm_principal.h"
#include "core/formato_cue.h"
#include "core/twips.h"
#include "export/ui/frm_exporta.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/entorno.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FormatoCUE, SieteYDosCifrasConCerosInicialesIncluidos) {
    EXPECT_TRUE(core::FormatoCUEValido("1234567", "89"));
    // Codes of jurisdictions whose number starts with 0 (Buenos Aires is 06).
    EXPECT_TRUE(core::FormatoCUEValido("0600015", "00"));
    EXPECT_TRUE(core::FormatoCUEValido("0123456", "89"));
    EXPECT_TRUE(core::FormatoCUEValido("1234567", "05"));
    EXPECT_FALSE(core::FormatoCUEValido("123456", "89"));
    EXPECT_FALSE(core::FormatoCUEValido("1234567", "8"));
    EXPECT_FALSE(core::FormatoCUEValido("12345678", "89"));
    EXPECT_FALSE(core::FormatoCUEValido("1234567", "890"));
    EXPECT_FALSE(core::FormatoCUEValido("12345a7", "89"));
    EXPECT_FALSE(core::FormatoCUEValido("1234567", " 8"));
    EXPECT_FALSE(core::FormatoCUEValido("123456.", "89"));
}

TEST(FormatoCUE, SignosPuntosYCifrasNoLatinasSeRechazan) {
    EXPECT_FALSE(core::FormatoCUEValido("-123456", "89"));
    EXPECT_FALSE(core::FormatoCUEValido("1234567", ".5"));
    EXPECT_FALSE(core::FormatoCUEValido("+123456", "89"));
    EXPECT_FALSE(core::FormatoCUEValido("1234567", "-0"));
    EXPECT_FALSE(core::FormatoCUEValido("12345.0", "89"));
    // Seven characters but not seven bytes of digits: Arabic-Indic digits.
    EXPECT_FALSE(core::FormatoCUEValido("\u0661234567", "89"));
    EXPECT_FALSE(core::FormatoCUEValido("", ""));
}

class FrmConfigCUE : public ::testing::Test, protected prueba::Entorno {
protected:
    FrmConfigCUE() : Entorno(prueba::dia(2024, 3, 15)) {}

    template <typename W> W* control(QWidget& ventana, const char* nombre) {
        auto* w = ventana.findChild<W*>(nombre);
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }
    QApplication& app = prueba::aplicacion();
};

TEST_F(FrmConfigCUE, SinConfiguracionAbreVacioYGrabaUnCodigoValido) {
    {
        app::ui::frm_configCUE ventana(ctx, dialogos);
        EXPECT_EQ(ventana.windowTitle(), "Codigo CUE");
        EXPECT_EQ(control<QLabel>(ventana, "Label1")->text(), "CUE");
        EXPECT_EQ(control<QLabel>(ventana, "Label2")->text(), "Provincia");
        EXPECT_EQ(control<QLabel>(ventana, "Label3")->text(), "Ciudad");
        // The designed size at least, and room for every control.
        EXPECT_GE(ventana.width(), core::twips::aPixeles(5385, ventana.logicalDpiX()));
        EXPECT_GE(ventana.height(), core::twips::aPixeles(1635, ventana.logicalDpiY()));
        EXPECT_GE(ventana.height(), ventana.minimumSizeHint().height());
        ventana.show();
        const QRect grabar = control<QPushButton>(ventana, "cmd_grabar")->geometry();
        const QRect cancelar = control<QPushButton>(ventana, "cmd_cancelar")->geometry();
        EXPECT_GE(cancelar.top() - grabar.bottom(), 4); // apart, not touching
        auto* cue1 = control<QLineEdit>(ventana, "txt_CUE1");
        auto* cue2 = control<QLineEdit>(ventana, "txt_CUE2");
        EXPECT_EQ(cue1->text(), "");
        EXPECT_EQ(cue1->maxLength(), 7);
        EXPECT_EQ(cue2->maxLength(), 2);
        cue1->setText("1234567");
        cue2->setText("89");
        control<QPushButton>(ventana, "cmd_grabar")->click();
        EXPECT_TRUE(dialogos.mensajes.empty());
    }
    EXPECT_EQ(carpeta.leer("configuracion.ini"), "[Inicio]\nCUE=123456789\n");
    app::ui::frm_configCUE otra(ctx, dialogos);
    EXPECT_EQ(control<QLineEdit>(otra, "txt_CUE1")->text(), "1234567");
    EXPECT_EQ(control<QLineEdit>(otra, "txt_CUE2")->text(), "89");
}

TEST_F(FrmConfigCUE, UnCodigoMalFormadoSeRechazaYNoSeGraba) {
    app::ui::frm_configCUE ventana(ctx, dialogos);
    ventana.show();
    control<QLineEdit>(ventana, "txt_CUE1")->setText("01234a6");
    control<QLineEdit>(ventana, "txt_CUE2")->setText("89");
    control<QPushButton>(ventana, "cmd_grabar")->click();
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto, "Formato del CUE incorrecto");
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Error");
    EXPECT_EQ(dialogos.mensajes[0].botones, core::ui::Dialogos::Botones::Aceptar);
    EXPECT_TRUE(ventana.isVisible());
    EXPECT_EQ(control<QLineEdit>(ventana, "txt_CUE1")->text(), "01234a6");
    EXPECT_FALSE(std::filesystem::exists(carpeta.archivo("configuracion.ini")));
}

TEST_F(FrmConfigCUE, UnCodigoConCeroInicialSeGrabaEntero) {
    {
        app::ui::frm_configCUE ventana(ctx, dialogos);
        control<QLineEdit>(ventana, "txt_CUE1")->setText("0600015");
        control<QLineEdit>(ventana, "txt_CUE2")->setText("00");
        control<QPushButton>(ventana, "cmd_grabar")->click();
        EXPECT_TRUE(dialogos.mensajes.empty());
    }
    EXPECT_EQ(carpeta.leer("configuracion.ini"), "[Inicio]\nCUE=060001500\n");
    app::ui::frm_configCUE otra(ctx, dialogos);
    EXPECT_EQ(control<QLineEdit>(otra, "txt_CUE1")->text(), "0600015");
    EXPECT_EQ(control<QLineEdit>(otra, "txt_CUE2")->text(), "00");
}

TEST_F(FrmConfigCUE, UnCodigoLargoSeRepartePorPosiciones) {
    carpeta.escribir("configuracion.ini", "[Inicio]\nCUE=12345678901\n");
    app::ui::frm_configCUE ventana(ctx, dialogos);
    EXPECT_EQ(control<QLineEdit>(ventana, "txt_CUE1")->text(), "1234567");
    EXPECT_EQ(control<QLineEdit>(ventana, "txt_CUE2")->text(), "89");
}

TEST_F(FrmConfigCUE, ElegirProvinciaLlenaSusCiudadesOrdenadas) {
    ASSERT_NO_THROW(abrirAlmacen());
    app::ui::frm_configCUE ventana(ctx, dialogos);
    auto* provincias = control<QComboBox>(ventana, "cmb_provincia");
    auto* ciudades = control<QComboBox>(ventana, "cmb_ciudad");
    EXPECT_EQ(provincias->count(), 24);
    EXPECT_EQ(provincias->currentIndex(), -1);
    EXPECT_EQ(ciudades->count(), 0);
    provincias->setCurrentIndex(provincias->findData(94));
    EXPECT_EQ(ctx.TextoSql, "SELECT * FROM ciudades WHERE idprovincia=94 ORDER BY nombre");
    ASSERT_EQ(ciudades->count(), 3);
    EXPECT_EQ(ciudades->itemText(0), "Río Grande");
    EXPECT_EQ(ciudades->itemText(2), "Ushuaia");
    EXPECT_GT(ciudades->itemData(0).toInt(), 0);
    provincias->setCurrentIndex(provincias->findData(2));
    EXPECT_EQ(ciudades->count(), 1);
}

TEST_F(FrmConfigCUE, UnaCiudadConNumeroQueNoEsNumeroNoTerminaElPrograma) {
    ASSERT_NO_THROW(abrirAlmacen());
    ctx.Conexion->ejecutar("INSERT INTO ciudades (idprovincia, idciudad, nombre) VALUES "
                           "(94, 'x9', 'Ciudad rara')");
    app::ui::frm_configCUE ventana(ctx, dialogos);
    auto* provincias = control<QComboBox>(ventana, "cmb_provincia");
    auto* ciudades = control<QComboBox>(ventana, "cmb_ciudad");
    EXPECT_NO_THROW(provincias->setCurrentIndex(provincias->findData(94)));
    EXPECT_EQ(ciudades->count(), 4);
    EXPECT_NE(ciudades->findText("Ciudad rara"), -1);
}

TEST_F(FrmConfigCUE, SinBaseLaListaDeCiudadesQuedaVacia) {
    app::ui::frm_configCUE ventana(ctx, dialogos);
    auto* provincias = control<QComboBox>(ventana, "cmb_provincia");
    provincias->setCurrentIndex(3);
    EXPECT_EQ(control<QComboBox>(ventana, "cmb_ciudad")->count(), 0);
    EXPECT_TRUE(dialogos.mensajes.empty());
}

// The main window's commands for these windows.
class MenuPrincipal : public FrmConfigCUE {
protected:
    app::ui::frm_principal principal{ctx, dialogos};
};

TEST_F(MenuPrincipal, ExportarYCambiarCUEAbrenUnaVentanaQueCancelarCierra) {
    principal.show();
    for (QAction* comando : {principal.acciones().mnu_exportar, principal.acciones().mnu_CUE}) {
        comando->trigger();
        comando->trigger();
        ASSERT_EQ(principal.area()->subWindowList().size(), 1) << comando->text().toStdString();
        principal.area()->findChild<QPushButton*>("cmd_cancelar")->click();
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::sendPostedEvents();
        EXPECT_TRUE(principal.area()->subWindowList().isEmpty()) << comando->text().toStdString();
    }
    EXPECT_TRUE(dialogos.mensajes.empty());
    EXPECT_FALSE(std::filesystem::exists(carpeta.archivo("exportaciones")));
}

TEST_F(MenuPrincipal, LeerSinArchivoAvisa) {
    principal.acciones().mnu_leer->trigger();
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto, "Ha ocurrido un error.\r");
}

} // namespace
