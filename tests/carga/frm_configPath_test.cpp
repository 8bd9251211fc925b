#include "app/ui/frm_configPath.h"
#include "core/archivo_ini.h"
#include "core/twips.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/controles.h"
#include "tests/carga/entorno_carga.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct DialogoRutas : ::testing::Test {
    prueba::EntornoCarga e;
    std::unique_ptr<app::ui::frm_configPath> dialogo;

    void SetUp() override { prueba::aplicacion(); }
    void abrir() { dialogo = std::make_unique<app::ui::frm_configPath>(e.ctx, e.dialogos); }
    QLineEdit* caja(const char* nombre) { return prueba::control<QLineEdit>(*dialogo, nombre); }
    QPushButton* boton(const char* nombre) {
        return prueba::control<QPushButton>(*dialogo, nombre);
    }
    core::Archivo_Ini leido() {
        core::Archivo_Ini ini(e.carpeta.ruta());
        ini.Cargar("LINK");
        return ini;
    }
};

TEST_F(DialogoRutas, SinArchivoMuestraCajasVaciasYGrabarLoCrea) {
    abrir();
    EXPECT_EQ(dialogo->windowTitle().toStdString(), "Ubicacion de las Bases de Datos");
    EXPECT_TRUE(caja("txt_presta")->text().isEmpty());
    EXPECT_TRUE(caja("txt_usua")->text().isEmpty());
    EXPECT_TRUE(caja("txt_marc")->text().isEmpty());
    caja("txt_usua")->setText("/bases/USUARIOS.MST");
    boton("cmd_grabar")->click();
    const std::string ini = e.carpeta.leer("configuracion.ini");
    EXPECT_NE(ini.find("[Link]"), std::string::npos);
    for (const char* clave : {"RutaPresta=", "RutaUsua=/bases/USUARIOS.MST", "RutaMarc="}) {
        EXPECT_NE(ini.find(clave), std::string::npos) << clave;
    }
}

TEST_F(DialogoRutas, IdaYVuelta) {
    e.fijarRutas("/a/PRESTA.MST", "/a/USUARIOS.MST", "/a/MARC.MST");
    abrir();
    EXPECT_EQ(caja("txt_presta")->text().toStdString(), "/a/PRESTA.MST");
    EXPECT_EQ(caja("txt_usua")->text().toStdString(), "/a/USUARIOS.MST");
    EXPECT_EQ(caja("txt_marc")->text().toStdString(), "/a/MARC.MST");

    e.dialogos.archivos = {"/b/MARC.MST", "", "/b/notas.txt"};
    boton("cmd_busca_biblio")->click();
    boton("cmd_busca_prestamos")->click(); // cancelled: the box keeps its text
    boton("cmd_busca_usuarios")->click();
    ASSERT_EQ(e.dialogos.aperturas.size(), 3u);
    const auto& a = e.dialogos.aperturas;
    EXPECT_EQ(a[0].titulo, "Seleccione base bibliografica");
    EXPECT_EQ(a[1].titulo, "Seleccione base prestamos");
    EXPECT_EQ(a[2].titulo, "Seleccione base usuarios");
    EXPECT_EQ(a[0].filtro, "Bases Isis|*.mst|Toos los Archivos|*.*");
    EXPECT_EQ(a[0].inicial, "/a/MARC.MST");
    EXPECT_EQ(a[2].inicial, "/a/USUARIOS.MST");
    EXPECT_EQ(caja("txt_marc")->text().toStdString(), "/b/MARC.MST");
    EXPECT_EQ(caja("txt_presta")->text().toStdString(), "/a/PRESTA.MST");
    EXPECT_EQ(caja("txt_usua")->text().toStdString(), "/b/notas.txt");

    boton("cmd_grabar")->click();
    const core::Archivo_Ini ini = leido();
    EXPECT_EQ(ini.RutaPresta, "/a/PRESTA.MST");
    EXPECT_EQ(ini.RutaUsua, "/b/notas.txt");
    EXPECT_EQ(ini.RutaMarc, "/b/MARC.MST");
}

TEST_F(DialogoRutas, CancelarDescartaLosCambios) {
    e.fijarRutas("/a/PRESTA.MST", "/a/USUARIOS.MST", "/a/MARC.MST");
    const std::string antes = e.carpeta.leer("configuracion.ini");
    abrir();
    dialogo->show();
    caja("txt_presta")->setText("/otra/PRESTA.MST");
    boton("cmd_cancelar")->click();
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(e.carpeta.leer("configuracion.ini"), antes);
}

TEST_F(DialogoRutas, FilasYTamano) {
    abrir();
    const std::pair<const char*, const char*> filas[] = {{"lbl_busca_prestamos", "Prestamos"},
                                                         {"lbl_busca_usuarios", "Usuarios"},
                                                         {"lbl_busca_biblio", "Bibliografica"}};
    for (const auto& [objeto, texto] : filas) {
        auto* rotulo = dialogo->findChild<QLabel*>(objeto);
        ASSERT_NE(rotulo, nullptr) << objeto;
        EXPECT_EQ(rotulo->text().toStdString(), texto);
    }
    for (QPushButton* b :
         {boton("cmd_busca_prestamos"), boton("cmd_busca_usuarios"), boton("cmd_busca_biblio")}) {
        EXPECT_EQ(b->text().toStdString(), "...");
    }
    EXPECT_EQ(boton("cmd_grabar")->text().toStdString(), "Grabar");
    EXPECT_EQ(boton("cmd_cancelar")->text().toStdString(), "Cancelar");
    EXPECT_EQ(dialogo->width(), core::twips::aPixeles(6075, dialogo->logicalDpiX()));
    EXPECT_EQ(dialogo->height(), core::twips::aPixeles(2280, dialogo->logicalDpiY()));
}

} // namespace
