#include "app/ui/ayuda.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frm_principal.h"
#include "core/archivo_ini.h"
#include "core/carpetas.h"
#include "core/error.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/controles.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"
#include "tests/app/navegador_anotado.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Ventana : ::testing::Test, prueba::Entorno {
    Ventana() : Entorno(prueba::dia(2024, 3, 15)) {}

    std::unique_ptr<app::ui::frm_principal> ventana;
    prueba::NavegadorAnotado navegador;

    void SetUp() override {
        prueba::aplicacion();
        ventana = std::make_unique<app::ui::frm_principal>(ctx, dialogos);
        ventana->fijarNavegador(navegador);
    }
    QAction* accion(const char* nombre) { return prueba::control<QAction>(*ventana, nombre); }
    const app::ui::frm_principal::Acciones& acciones() { return ventana->acciones(); }
};

using Acciones = app::ui::frm_principal::Acciones;

} // namespace

TEST_F(Ventana, ArbolDeMenusConSusNombresYTitulos) {
    EXPECT_EQ(ventana->windowTitle().toStdString(), "Estadisticas Sistema de Préstamos");
    std::vector<std::string> barra;
    for (QAction* a : ventana->menuBar()->actions()) {
        barra.push_back(a->objectName().toStdString() + "=" + a->text().toStdString());
    }
    EXPECT_EQ(barra, (std::vector<std::string>{
                         "mnu_usuarios=Usuarios", "mnu_libros=Libros", "mnu_informes=Informes",
                         "mnu_config=Configuración", "mnu_exportar=Exportar", "mnu_leer=leer",
                         "mnu_ventana=Ventana", "mnu_recargar=Recargar", "mnu_help=?"}));
    const std::pair<const char*, const char*> hijos[] = {
        {"mnu_buscarUsuarios", "Búsqueda"},
        {"mnu_usuariosRetrasados", "Morosos"},
        {"mnu_usuariosTitulos", "Títulos retirados"},
        {"mnu_usuariosRanking", "Ranking"},
        {"mnu_buscarLibros", "Búsqueda"},
        {"mnu_librosMorosos", "Devueltos con mora"},
        {"mnu_librosPrestados", "Prestados"},
        {"mnu_librosRanking", "Ranking"},
        {"mnu_librosRenovados", "Renovados"},
        {"mnu_resumen", "Resumen"},
        {"mnu_participacion", "Participación por grado"},
        {"mnu_sinPrestamos", "Socios sin préstamos"},
        {"mnu_sinUso", "Ejemplares sin uso"},
        {"mnu_atrasos", "Atrasos"},
        {"mnu_mensual", "Evolución mensual"},
        {"mnu_helpfile", "Archivo de ayuda"},
        {"mnu_CUE", "Cambiar CUE"},
        {"mnu_path", "Path DB"},
        {"mnu_cascada", "Cascada"},
        {"mnu_mosaico", "Mosaico"},
        {"mnu_acerca_de", "Acerca de..."},
        {"mnu_ayuda", "Ayuda"}};
    for (const auto& [objeto, texto] : hijos) {
        EXPECT_EQ(accion(objeto)->text().toStdString(), texto) << objeto;
    }
    EXPECT_EQ(acciones().mnu_ayuda->shortcut(), QKeySequence(Qt::Key_F1));
}

// Each member is the action its name says, so code that uses the members
// reaches the same entry that tests and screenshots find by objectName.
TEST_F(Ventana, CadaAccionMiembroEsLaEntradaDeSuNombre) {
    const std::pair<QAction * Acciones::*, const char*> miembros[] = {
        {&Acciones::mnu_usuarios, "mnu_usuarios"},
        {&Acciones::mnu_buscarUsuarios, "mnu_buscarUsuarios"},
        {&Acciones::mnu_usuariosRetrasados, "mnu_usuariosRetrasados"},
        {&Acciones::mnu_usuariosTitulos, "mnu_usuariosTitulos"},
        {&Acciones::mnu_usuariosRanking, "mnu_usuariosRanking"},
        {&Acciones::mnu_libros, "mnu_libros"},
        {&Acciones::mnu_buscarLibros, "mnu_buscarLibros"},
        {&Acciones::mnu_librosMorosos, "mnu_librosMorosos"},
        {&Acciones::mnu_librosPrestados, "mnu_librosPrestados"},
        {&Acciones::mnu_librosRanking, "mnu_librosRanking"},
        {&Acciones::mnu_librosRenovados, "mnu_librosRenovados"},
        {&Acciones::mnu_informes, "mnu_informes"},
        {&Acciones::mnu_resumen, "mnu_resumen"},
        {&Acciones::mnu_participacion, "mnu_participacion"},
        {&Acciones::mnu_sinPrestamos, "mnu_sinPrestamos"},
        {&Acciones::mnu_sinUso, "mnu_sinUso"},
        {&Acciones::mnu_atrasos, "mnu_atrasos"},
        {&Acciones::mnu_mensual, "mnu_mensual"},
        {&Acciones::mnu_config, "mnu_config"},
        {&Acciones::mnu_helpfile, "mnu_helpfile"},
        {&Acciones::mnu_CUE, "mnu_CUE"},
        {&Acciones::mnu_path, "mnu_path"},
        {&Acciones::mnu_exportar, "mnu_exportar"},
        {&Acciones::mnu_leer, "mnu_leer"},
        {&Acciones::mnu_ventana, "mnu_ventana"},
        {&Acciones::mnu_cascada, "mnu_cascada"},
        {&Acciones::mnu_mosaico, "mnu_mosaico"},
        {&Acciones::mnu_recargar, "mnu_recargar"},
        {&Acciones::mnu_help, "mnu_help"},
        {&Acciones::mnu_acerca_de, "mnu_acerca_de"},
        {&Acciones::mnu_ayuda, "mnu_ayuda"}};
    static_assert(sizeof(Acciones) == std::size(miembros) * sizeof(QAction*),
                  "every member is listed");
    for (const auto& [miembro, nombre] : miembros) {
        EXPECT_EQ(acciones().*miembro, accion(nombre)) << nombre;
    }
}

TEST_F(Ventana, RenovadosYLeerNoSePuedenUsar) {
    EXPECT_FALSE(acciones().mnu_librosRenovados->isEnabled());
    EXPECT_FALSE(acciones().mnu_leer->isVisible());
}

TEST_F(Ventana, LaCargaEnciendeYApagaLosMenusDeInformes) {
    ventana->activarMenus(false);
    for (const char* m :
         {"mnu_usuarios", "mnu_libros", "mnu_informes", "mnu_exportar", "mnu_ventana"}) {
        EXPECT_FALSE(accion(m)->isEnabled()) << m;
    }
    for (const char* m : {"mnu_config", "mnu_recargar", "mnu_help"}) {
        EXPECT_TRUE(accion(m)->isEnabled()) << m;
    }
    ventana->activarMenus(true);
    EXPECT_TRUE(accion("mnu_exportar")->isEnabled());
    EXPECT_TRUE(accion("mnu_informes")->isEnabled());
}

TEST_F(Ventana, RecargarPideLaCargaDeNuevo) {
    QSignalSpy pedidos(ventana.get(), &app::ui::frm_principal::recargaPedida);
    acciones().mnu_recargar->trigger();
    EXPECT_EQ(pedidos.count(), 1);
    acciones().mnu_cascada->trigger();
    EXPECT_EQ(pedidos.count(), 1);
}

TEST_F(Ventana, ResponderNoAlSalirNoTocaLaBase) {
    ASSERT_NO_THROW(abrirAlmacen());
    prueba::agregarPresta(ctx, {{"dni", "1"}});
    const std::string antes = carpeta.leer("base.mdb");
    ventana->show();
    dialogos.respuestas.push_back(core::ui::Dialogos::Respuesta::No);
    EXPECT_FALSE(ventana->close());
    EXPECT_TRUE(ventana->isVisible());
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto, "¿Está seguro?");
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Salir");
    EXPECT_EQ(dialogos.mensajes[0].botones, core::ui::Dialogos::Botones::SiNo);
    EXPECT_EQ(dialogos.mensajes[0].icono, core::ui::Dialogos::Icono::Pregunta);
    EXPECT_NE(ctx.Conexion, nullptr);
    EXPECT_EQ(carpeta.leer("base.mdb"), antes);
}

TEST_F(Ventana, ResponderSiCompactaYCierra) {
    ASSERT_NO_THROW(abrirAlmacen());
    ventana->show();
    dialogos.respuestas.push_back(core::ui::Dialogos::Respuesta::Si);
    EXPECT_TRUE(ventana->close());
    EXPECT_EQ(ctx.Conexion, nullptr);
    EXPECT_EQ(dialogos.mensajes.size(), 1u);
}

TEST_F(Ventana, ResponderSiSinAlmacenCierraSinOtroMensaje) {
    ventana->show();
    EXPECT_TRUE(ventana->close());
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto, "¿Está seguro?");
}

TEST_F(Ventana, UnaCompactacionFallidaMuestraSuErrorYCierraIgual) {
    ASSERT_NO_THROW(abrirAlmacen());
    // A folder where the store should be: there is no store to compact.
    std::filesystem::remove(ctx.rutaBase());
    std::filesystem::create_directory(ctx.rutaBase());
    ventana->show();
    EXPECT_TRUE(ventana->close());
    ASSERT_EQ(dialogos.mensajes.size(), 2u);
    const auto& m = dialogos.mensajes[1];
    EXPECT_EQ(m.titulo, "Error " + std::to_string(core::Error::ErrorBaseDatos));
    EXPECT_FALSE(m.texto.empty());
    EXPECT_EQ(m.botones, core::ui::Dialogos::Botones::Aceptar);
    EXPECT_EQ(m.icono, core::ui::Dialogos::Icono::Informacion);
    EXPECT_EQ(ctx.Conexion, nullptr);
}

TEST_F(Ventana, LeerUnaExportacionRotaMuestraSuLineaBajoElTituloDelPrograma) {
    carpeta.escribir("exp.xml", "<Escuela>\r\n\t<CUE>1</Cue>\r\n</Escuela>");
    acciones().mnu_leer->trigger();
    carpeta.escribir("exp.xml", "<Escuela>\r\n\t<CUE>1</CUE>\r\n</Escuela>");
    acciones().mnu_leer->trigger();
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto, "Ha ocurrido un error.\r\t<CUE>1</Cue>");
    EXPECT_EQ(dialogos.mensajes[0].titulo, "");
    EXPECT_EQ(dialogos.mensajes[0].botones, core::ui::Dialogos::Botones::Aceptar);
    EXPECT_EQ(dialogos.mensajes[0].icono, core::ui::Dialogos::Icono::Ninguno);
}

TEST_F(Ventana, ArchivoDeAyudaCanceladoOVacioConservaElComando) {
    core::Archivo_Ini ini(carpeta.ruta());
    ini.Process = "xdg-open ayuda.pdf";
    ini.Grabar("HELPFILE");
    dialogos.entradas = {std::nullopt, std::string{}, std::string("okular manual.pdf")};
    for (int i = 0; i < 3; ++i) {
        acciones().mnu_helpfile->trigger();
        ini.Cargar("HELPFILE");
        EXPECT_EQ(ini.Process, i < 2 ? "xdg-open ayuda.pdf" : "okular manual.pdf");
    }
    EXPECT_EQ(dialogos.preguntas[0].pregunta, "Especifique comando a ejecutar para la ayuda");
    EXPECT_EQ(dialogos.preguntas[0].titulo, "Archivo de Ayuda");
    EXPECT_EQ(dialogos.preguntas[0].porDefecto, "xdg-open ayuda.pdf");
}

TEST_F(Ventana, AyudaQueNoArrancaMuestraElErrorConSuNumero) {
    core::Archivo_Ini ini(carpeta.ruta());
    ini.Process = "/no/existe/este-programa --ayuda";
    ini.Grabar("HELPFILE");
    acciones().mnu_ayuda->trigger();
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "53");
    EXPECT_EQ(dialogos.mensajes[0].botones, core::ui::Dialogos::Botones::Aceptar);
    EXPECT_TRUE(navegador.abiertas.empty());
}

TEST_F(Ventana, AyudaSinComandoAbreElIndiceDelManual) {
    ventana->show();
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    // F1 with nothing stored, then the menu entry with a command of blanks only.
    QTest::keyClick(ventana.get(), Qt::Key_F1);
    core::Archivo_Ini ini(carpeta.ruta());
    ini.Process = "   ";
    ini.Grabar("HELPFILE");
    acciones().mnu_ayuda->trigger();
    EXPECT_TRUE(dialogos.mensajes.empty());
    ASSERT_EQ(navegador.abiertas.size(), 2u);
    const QUrl& indice = navegador.abiertas[0];
    ASSERT_TRUE(indice.isLocalFile()) << indice.toString().toStdString();
    // The copy the build puts beside the programs, where the installed one
    // lies beside bin/.
    const auto esperado = core::indiceManual(core::entornoDelProceso().carpetaEjecutable);
    ASSERT_TRUE(esperado.has_value());
    EXPECT_EQ(indice.toLocalFile().toStdString(), *esperado);
    EXPECT_TRUE(std::filesystem::is_regular_file(indice.toLocalFile().toStdString()));
    EXPECT_EQ(navegador.abiertas[1], indice);
}

TEST_F(Ventana, AyudaConComandoLoEjecutaSinAbrirElManual) {
    const std::string marca = carpeta.archivo("ayuda abierta");
    core::Archivo_Ini ini(carpeta.ruta());
    ini.Process = "touch \"" + marca + "\"";
    ini.Grabar("HELPFILE");
    acciones().mnu_ayuda->trigger();
    for (int i = 0; i < 100 && !std::filesystem::exists(marca); ++i) {
        QThread::msleep(50);
    }
    EXPECT_TRUE(std::filesystem::exists(marca));
    EXPECT_TRUE(navegador.abiertas.empty());
    EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(Ventana, AyudaSinManualNiNavegadorLoDiceEnCastellano) {
    // No manual installed: the message says so and names where to set a command.
    app::ui::ejecutarAyuda(carpeta.ruta(), dialogos, navegador, std::nullopt);
    EXPECT_TRUE(navegador.abiertas.empty());
    // A desktop that cannot open the page.
    navegador.responde = false;
    carpeta.escribir("index.html", "<html></html>");
    app::ui::ejecutarAyuda(carpeta.ruta(), dialogos, navegador, carpeta.archivo("index.html"));
    ASSERT_EQ(dialogos.mensajes.size(), 2u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "53");
    EXPECT_NE(dialogos.mensajes[0].texto.find("No se encontró el manual"), std::string::npos);
    EXPECT_NE(dialogos.mensajes[0].texto.find("Archivo de ayuda"), std::string::npos);
    EXPECT_EQ(dialogos.mensajes[1].titulo, "53");
    EXPECT_NE(dialogos.mensajes[1].texto.find(carpeta.archivo("index.html")), std::string::npos);
    ASSERT_EQ(navegador.abiertas.size(), 1u);
}

TEST_F(Ventana, MosaicoApilaLasHijasATodoElAncho) {
    ventana->resize(800, 600);
    ventana->show();
    for (int i = 0; i < 3; ++i) {
        ventana->agregarHija(new QTextEdit);
    }
    ventana->mosaico();
    const auto hijas = ventana->area()->subWindowList();
    const int ancho = ventana->area()->viewport()->width();
    int y = -1;
    for (QMdiSubWindow* sub : hijas) {
        EXPECT_EQ(sub->width(), ancho);
        EXPECT_GT(sub->y(), y);
        y = sub->y();
    }
}

TEST_F(Ventana, AcercaDe) {
    app::ui::frmAbout acerca(dialogos);
    EXPECT_EQ(acerca.windowTitle().toStdString(), "Acerca de Estadisticas Velmara ");
    EXPECT_EQ(acerca.findChild<QLabel*>("lblTitle")->text().toStdString(), "Estadisticas Velmara");
    EXPECT_EQ(acerca.findChild<QLabel*>("lblVersion")->text().toStdString(), "Versión 1.0.0");
    EXPECT_EQ(acerca.findChild<QLabel*>("lblDescription")->text().toStdString(),
              "Módulo de estadisticas para las bases de datos Velmara");
    EXPECT_EQ(acerca.findChild<QPushButton*>("cmdOK")->text().toStdString(), "Aceptar");
    auto* info = acerca.findChild<QPushButton*>("cmdSysInfo");
    EXPECT_EQ(info->text().toStdString(), "&Info. del sistema...");
    info->click();
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto,
              "La información del sistema no está disponible en este momento");
    EXPECT_EQ(dialogos.mensajes[0].titulo, "");
}

TEST_F(Ventana, CadaHijaAbreConElTamanoDeSuDiseno) {
    ASSERT_NO_THROW(abrirAlmacen());
    ventana->resize(1200, 900);
    ventana->show();
    for (const char* comando : {"mnu_usuariosRetrasados", "mnu_buscarLibros", "mnu_buscarUsuarios",
                                "mnu_librosRanking", "mnu_exportar", "mnu_CUE", "mnu_path"}) {
        accion(comando)->trigger();
        QMdiSubWindow* sub = ventana->area()->activeSubWindow();
        ASSERT_NE(sub, nullptr) << comando;
        EXPECT_GE(sub->widget()->width(), 200) << comando;
        EXPECT_GE(sub->widget()->height(), 80) << comando;
    }
}

namespace {

bool dentro(const QMdiArea& area, const QMdiSubWindow& sub) {
    return area.viewport()->rect().contains(sub.geometry());
}

} // namespace

// At 1024×768 every child opens wholly inside the area, even after a
// ranking took its place; each one carries the program's icon.
TEST_F(Ventana, CadaHijaAbreDentroDelAreaConElIconoDelPrograma) {
    ASSERT_NO_THROW(abrirAlmacen());
    QApplication::setWindowIcon(QIcon(QPixmap(16, 16)));
    ventana->resize(1024, 768);
    ventana->show();
    for (const char* comando :
         {"mnu_librosRanking", "mnu_usuariosRetrasados", "mnu_buscarLibros", "mnu_usuariosRanking",
          "mnu_buscarUsuarios", "mnu_exportar", "mnu_CUE", "mnu_path"}) {
        accion(comando)->trigger();
        QMdiSubWindow* sub = ventana->area()->activeSubWindow();
        ASSERT_NE(sub, nullptr) << comando;
        EXPECT_TRUE(dentro(*ventana->area(), *sub))
            << comando << " en " << sub->x() << "," << sub->y() << " " << sub->width() << "x"
            << sub->height();
        EXPECT_EQ(sub->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey()) << comando;
    }
    EXPECT_EQ(ventana->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

// A window opened while another is maximized is maximized too; choosing
// another list mode keeps the list maximized.
TEST_F(Ventana, LaMaximizacionSeConserva) {
    ASSERT_NO_THROW(abrirAlmacen());
    ventana->resize(1024, 768);
    ventana->show();
    accion("mnu_librosPrestados")->trigger();
    QMdiSubWindow* lista = ventana->area()->activeSubWindow();
    lista->showMaximized();
    accion("mnu_buscarLibros")->trigger();
    QMdiSubWindow* busqueda = ventana->area()->activeSubWindow();
    ASSERT_NE(busqueda, lista);
    EXPECT_TRUE(busqueda->isMaximized());
    QApplication::processEvents();
    EXPECT_EQ(busqueda->size(), ventana->area()->viewport()->size());
    accion("mnu_usuariosRetrasados")->trigger();
    EXPECT_EQ(ventana->area()->activeSubWindow(), lista);
    EXPECT_TRUE(lista->isMaximized());
    EXPECT_EQ(lista->windowTitle(), "Libros morosos");
}

// Cascade and tile never shrink a report window below its minimum size,
// which is still a usable window, not a title bar.
TEST_F(Ventana, CascadaYMosaicoRespetanUnTamanoUtil) {
    ASSERT_NO_THROW(abrirAlmacen());
    ventana->resize(1024, 768);
    ventana->show();
    for (const char* comando : {"mnu_librosPrestados", "mnu_buscarLibros", "mnu_buscarUsuarios",
                                "mnu_librosRanking", "mnu_usuariosRanking"}) {
        accion(comando)->trigger();
    }
    for (const auto& [orden, nombre] : {std::pair{&app::ui::frm_principal::cascada, "cascada"},
                                        std::pair{&app::ui::frm_principal::mosaico, "mosaico"}}) {
        (ventana.get()->*orden)();
        for (QMdiSubWindow* sub : ventana->area()->subWindowList()) {
            EXPECT_GE(sub->widget()->width(), 300) << nombre;
            EXPECT_GE(sub->widget()->height(), 200) << nombre;
            EXPECT_GE(sub->widget()->height(), sub->widget()->minimumHeight()) << nombre;
        }
    }
    // Tiled, no two windows overlap.
    const auto hijas = ventana->area()->subWindowList();
    for (int i = 0; i < hijas.size(); ++i) {
        for (int j = i + 1; j < hijas.size(); ++j) {
            EXPECT_FALSE(hijas[i]->geometry().intersects(hijas[j]->geometry())) << i << "," << j;
        }
    }
}

TEST_F(Ventana, UnaSolaVentanaAcercaDe) {
    ventana->show();
    acciones().mnu_acerca_de->trigger();
    acciones().mnu_acerca_de->trigger();
    EXPECT_EQ(ventana->findChildren<app::ui::frmAbout*>().size(), 1);
    EXPECT_TRUE(ventana->findChild<app::ui::frmAbout*>()->isVisible());
}

// While the exit compacts the store, a window says so and the event loop
// keeps running (it paints); it is gone when the program closes.
TEST_F(Ventana, LaCompactacionDeSalidaMuestraQueTrabaja) {
    ASSERT_NO_THROW(abrirAlmacen());
    ventana->show();
    dialogos.respuestas.push_back(core::ui::Dialogos::Respuesta::Si);
    QString visto;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frm_espera" && w->isVisible()) {
                visto = qobject_cast<QProgressDialog*>(w)->labelText();
            }
        }
    });
    EXPECT_TRUE(ventana->close());
    EXPECT_EQ(visto, "Compactando la base de datos...");
    EXPECT_EQ(ctx.Conexion, nullptr);
}

// The frame comes back where and as large as the user left it; the first
// time it is maximized.
TEST_F(Ventana, RecuerdaSuTamanoYLugar) {
    ventana->mostrar();
    EXPECT_TRUE(ventana->isMaximized());
    ventana->showNormal();
    ventana->setGeometry(40, 50, 700, 500);
    EXPECT_TRUE(ventana->close());
    app::ui::frm_principal otra(ctx, dialogos);
    otra.mostrar();
    EXPECT_FALSE(otra.isMaximized());
    EXPECT_EQ(otra.size(), QSize(700, 500));
}
