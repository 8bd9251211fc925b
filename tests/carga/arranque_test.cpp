#include "app/ui/arranque.h"
#include "app/ui/frm_configPath.h"
#include "app/ui/frm_principal.h"
#include "core/archivo_ini.h"
#include "isis/carga/carga.h"
#include "isis/ui/frm_carga.h"
#include "reports/ui/frm_ranking.h"
#include "reports/ui/frm_resumen.h"
#include "store/base_datos.h"
#include "store/memoria_consultas.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/contador_consultas.h"
#include "tests/apoyo/controles.h"
#include "tests/carga/entorno_carga.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

prueba::BasesPrueba tresPrestamos() {
    prueba::BasesPrueba b;
    b.prestamos = {{{10, "1"}, {20, "111"}}, {{10, "2"}, {20, "222"}}, {{10, "3"}, {20, "111"}}};
    b.usuarios = {{{10, "Gómez"}, {20, "111"}}, {{10, "Ruiz"}, {20, "222"}}};
    b.marc = {{{245, "^aFicciones"}, {900, "1"}}};
    return b;
}

const char* const MenusDeLaCarga[] = {"mnu_usuarios", "mnu_libros", "mnu_informes", "mnu_exportar",
                                      "mnu_ventana"};

struct Arranques : ::testing::Test {
    prueba::EntornoCarga e;
    std::unique_ptr<app::ui::Arranque> arranque;
    std::vector<int> terminado;

    void SetUp() override { prueba::aplicacion(); }

    void iniciar() {
        arranque = std::make_unique<app::ui::Arranque>(e.carpeta.ruta(), e.reloj, e.dialogos);
        QObject::connect(arranque.get(), &app::ui::Arranque::salidaPedida,
                         [this](int codigo) { terminado.push_back(codigo); });
        arranque->iniciar();
        esperarCarga();
    }
    void recargar() {
        principal().acciones().mnu_recargar->trigger();
        esperarCarga();
    }
    void esperarCarga() {
        ASSERT_NE(arranque->carga(), nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return arranque->carga() == nullptr; }, 20000));
    }
    app::ui::frm_principal& principal() { return arranque->principal(); }
    QAction* accion(const char* nombre) { return prueba::control<QAction>(principal(), nombre); }
    bool menusActivos(bool activos) {
        for (const char* m : MenusDeLaCarga) {
            if (accion(m)->isEnabled() != activos) {
                return false;
            }
        }
        return true;
    }
    app::ui::frm_configPath* dialogoRutas() {
        return principal().findChild<app::ui::frm_configPath*>();
    }
    // Cuts the catalogue's first record short, just after the control record.
    void danarCatalogo() { std::filesystem::resize_file(e.ruta("MARC.MST"), 70); }
};

TEST_F(Arranques, ConLasBasesMuestraLaVentanaPrincipalConSusMenus) {
    e.escribirBases(tresPrestamos());
    iniciar();
    EXPECT_TRUE(principal().isVisible());
    EXPECT_TRUE(menusActivos(true));
    EXPECT_EQ(dialogoRutas(), nullptr);
    EXPECT_EQ(arranque->contexto().TotalPrestamos, 3);
    EXPECT_TRUE(e.dialogos.mensajes.empty());
    EXPECT_TRUE(terminado.empty());
}

// After each load the likely first rankings are read on another thread: the
// ranking window opened then groups nothing on the program's connection.
TEST_F(Arranques, ElPrimerRankingTrasLaCargaYaEstaLeido) {
    e.escribirBases(tresPrestamos());
    iniciar();
    for (int carga = 0; carga < 2; ++carga) {
        store::BaseDatos& base = *arranque->contexto().Conexion;
        base.memoria().esperarAnticipo();
        prueba::ContadorConsultas contador(base);
        accion("mnu_librosRanking")->trigger();
        auto* ranking = principal().unica<reports::ui::frm_ranking>();
        ASSERT_NE(ranking, nullptr);
        EXPECT_TRUE(prueba::control<QPlainTextEdit>(*ranking, "TextLista")
                        ->toPlainText()
                        .contains("Ficciones"));
        EXPECT_EQ(contador.corridas(), 0);
        ranking->close();
        recargar();
    }
}

TEST_F(Arranques, ElResumenSeAbreTrasCadaCargaSiLaConfiguracionLoPide) {
    e.escribirBases(tresPrestamos());
    iniciar();
    EXPECT_EQ(principal().unica<reports::ui::frm_resumen>(), nullptr);
    core::Archivo_Ini ini(e.carpeta.ruta());
    ini.ResumenAlCargar = "SI";
    ini.Grabar("INFORMES");
    recargar();
    auto* resumen = principal().unica<reports::ui::frm_resumen>();
    ASSERT_NE(resumen, nullptr);
    // Computed on the new load's two members.
    const auto& cifras = resumen->cifras();
    const auto socios = std::find_if(cifras.begin(), cifras.end(),
                                     [](const auto& c) { return c.clave == "socios"; });
    ASSERT_NE(socios, cifras.end());
    EXPECT_EQ(socios->valor, "2");
    EXPECT_TRUE(e.dialogos.mensajes.empty());
    // A failed reload opens nothing more.
    danarCatalogo();
    recargar();
    EXPECT_EQ(principal().area()->subWindowList().size(), 1);
}

TEST_F(Arranques, SinRutasMuestraElDialogoDeRutasConLosMenusApagados) {
    e.sembrarPresta(2);
    e.fijarRutas("", "/no/existe/USUARIOS.MST", "");
    iniciar();
    EXPECT_TRUE(principal().isVisible());
    ASSERT_NE(dialogoRutas(), nullptr);
    EXPECT_EQ(dialogoRutas()->windowTitle().toStdString(), carga::MensajeFaltaRuta);
    EXPECT_TRUE(menusActivos(false));
    for (const char* siempre : {"mnu_config", "mnu_recargar", "mnu_help"}) {
        EXPECT_TRUE(accion(siempre)->isEnabled()) << siempre;
    }
    EXPECT_EQ(e.presta().size(), 2u);
    EXPECT_TRUE(terminado.empty());
}

// The first start finds no settings: the dialog explains what to do under
// its own caption, instead of reporting a path the user never gave; a later
// start with a path that leads nowhere says so in its caption and inside.
TEST_F(Arranques, ElPrimerInicioExplicaQueHacerYUnaRutaMalaLoDice) {
    iniciar();
    ASSERT_NE(dialogoRutas(), nullptr);
    EXPECT_EQ(dialogoRutas()->windowTitle(), "Ubicacion de las Bases de Datos");
    auto* explicacion = prueba::control<QLabel>(*dialogoRutas(), "lbl_explicacion");
    EXPECT_TRUE(explicacion->isVisible());
    EXPECT_EQ(explicacion->text().toStdString(), app::ui::Arranque::MensajePrimerInicio);
    EXPECT_TRUE(e.dialogos.mensajes.empty());
    EXPECT_TRUE(menusActivos(false));

    e.fijarRutas("/no/existe/PRESTA.MST", "/no/existe/USUARIOS.MST", "/no/existe/MARC.MST");
    recargar(); // the open dialog is reused

    ASSERT_NE(dialogoRutas(), nullptr);
    EXPECT_EQ(dialogoRutas()->windowTitle().toStdString(), carga::MensajeFaltaRuta);
    explicacion = prueba::control<QLabel>(*dialogoRutas(), "lbl_explicacion");
    EXPECT_EQ(explicacion->text().toStdString(), app::ui::Arranque::MensajeRutaNoEncontrada);
    // The caption is an instruction: the dialog is wide enough to show it whole.
    const QFontMetrics letra(QApplication::font("QMdiSubWindowTitleBar"));
    EXPECT_GT(dialogoRutas()->width(),
              letra.horizontalAdvance(QString::fromUtf8(carga::MensajeFaltaRuta)));
}

TEST_F(Arranques, RecargarTrasFijarLasRutasEnciendeLosMenus) {
    iniciar();
    ASSERT_TRUE(menusActivos(false));
    e.escribirBases(tresPrestamos());
    recargar();
    EXPECT_TRUE(principal().isVisible());
    EXPECT_TRUE(menusActivos(true));
    EXPECT_EQ(e.presta().size(), 3u);
}

TEST_F(Arranques, UnErrorAlArrancarSeMuestraYTerminaElPrograma) {
    e.escribirBases(tresPrestamos());
    danarCatalogo();
    iniciar();
    ASSERT_EQ(e.dialogos.mensajes.size(), 1u);
    const auto& m = e.dialogos.mensajes[0];
    EXPECT_EQ(m.titulo.rfind("Error ", 0), 0u);
    EXPECT_FALSE(m.texto.empty());
    EXPECT_EQ(m.icono, core::ui::Dialogos::Icono::Informacion);
    EXPECT_EQ(terminado, std::vector<int>{1});
    EXPECT_FALSE(principal().isVisible());
}

TEST_F(Arranques, UnErrorAlRecargarDejaLaVentanaPrincipalComoEstaba) {
    e.escribirBases(tresPrestamos());
    iniciar();
    danarCatalogo();
    recargar();
    EXPECT_EQ(e.dialogos.mensajes.size(), 1u);
    EXPECT_TRUE(principal().isVisible());
    EXPECT_TRUE(menusActivos(true));
    EXPECT_TRUE(terminado.empty());
    EXPECT_EQ(e.presta().size(), 3u);
}

TEST_F(Arranques, SinAlmacenMuestraElErrorConSuNumeroYElProgramaTermina) {
    e.escribirBases(tresPrestamos());
    std::filesystem::create_directory(e.ctx.rutaBase());
    iniciar();
    ASSERT_EQ(e.dialogos.mensajes.size(), 1u);
    const auto& m = e.dialogos.mensajes[0];
    EXPECT_EQ(m.titulo, std::to_string(core::Error::ErrorBaseDatos));
    EXPECT_FALSE(m.texto.empty());
    EXPECT_EQ(m.botones, core::ui::Dialogos::Botones::Aceptar);
    EXPECT_EQ(m.icono, core::ui::Dialogos::Icono::Ninguno);
    EXPECT_EQ(terminado, std::vector<int>{1});
    EXPECT_FALSE(principal().isVisible());
}

TEST_F(Arranques, LosAvisosDeLaCargaVanAntesQueLaVentanaPrincipal) {
    e.escribirBases(tresPrestamos());
    e.carpeta.escribir("base.mdb", std::string(4096, 'x'));
    std::vector<bool> principalVisible;
    e.dialogos.alMostrar = [&](const auto&) {
        principalVisible.push_back(principal().isVisible());
    };
    iniciar();
    ASSERT_EQ(e.dialogos.mensajes.size(), 1u);
    EXPECT_NE(e.dialogos.mensajes[0].texto.find("dañada"), std::string::npos);
    EXPECT_EQ(e.dialogos.mensajes[0].titulo, "");
    EXPECT_EQ(e.dialogos.mensajes[0].botones, core::ui::Dialogos::Botones::Aceptar);
    EXPECT_EQ(principalVisible, std::vector<bool>{false});
    EXPECT_TRUE(principal().isVisible());
    EXPECT_TRUE(menusActivos(true));
    EXPECT_EQ(arranque->contexto().TotalPrestamos, 3);
}

TEST_F(Arranques, UnaBaseQueNoAbreSeMuestraConSuNombreYTerminaElPrograma) {
    e.escribirBases(tresPrestamos());
    const std::string mensaje = e.quitarXrf("USUARIOS");
    iniciar();
    ASSERT_EQ(e.dialogos.mensajes.size(), 1u);
    EXPECT_EQ(e.dialogos.mensajes[0].texto, mensaje);
    EXPECT_EQ(e.dialogos.mensajes[0].titulo, "Error " + std::to_string(core::Error::ErrorIsis));
    EXPECT_EQ(e.dialogos.mensajes[0].icono, core::ui::Dialogos::Icono::Informacion);
    EXPECT_EQ(terminado, std::vector<int>{1});
}

TEST_F(Arranques, PathDbAbreElDialogoDeRutas) {
    e.escribirBases(tresPrestamos());
    iniciar();
    principal().acciones().mnu_path->trigger();
    ASSERT_NE(dialogoRutas(), nullptr);
    EXPECT_EQ(dialogoRutas()->windowTitle().toStdString(), "Ubicacion de las Bases de Datos");
    principal().acciones().mnu_path->trigger();
    EXPECT_EQ(principal().findChildren<app::ui::frm_configPath*>().size(), 1);
    // "Cancelar" closes the dialog's frame inside the main window too.
    prueba::control<QPushButton>(*dialogoRutas(), "cmd_cancelar")->click();
    EXPECT_TRUE(principal().area()->subWindowList().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialogoRutas() == nullptr; }));
}

TEST(VentanaDeCarga, MuestraElAvanceDeTodaLaCarga) {
    prueba::aplicacion();
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    auto* carga = new isis::ui::frm_carga(e.ctx, e.dialogos);
    carga->setAttribute(Qt::WA_DeleteOnClose);
    EXPECT_EQ(carga->windowTitle().toStdString(), "Cargando datos Estadisticos");
    auto* etiquetaCarga = prueba::control<QLabel>(*carga, "lbl1");
    auto* barra = prueba::control<QProgressBar>(*carga, "ProgressBar");
    auto* reloj = prueba::control<QTimer>(*carga, "Timer1");
    EXPECT_EQ(etiquetaCarga->text().toStdString(), "Cargando datos de prestamos");
    EXPECT_EQ(barra->value(), 0);
    EXPECT_TRUE(reloj->isActive());
    EXPECT_TRUE(reloj->isSingleShot());
    std::optional<carga::ResultadoCarga> resultado;
    int maximo = 0;
    int valor = 0;
    std::string etiqueta;
    QObject::connect(carga, &isis::ui::frm_carga::cargaTerminada,
                     [&](const carga::ResultadoCarga& r) {
                         resultado = r;
                         maximo = barra->maximum();
                         valor = barra->value();
                         etiqueta = etiquetaCarga->text().toStdString();
                     });
    QPointer<isis::ui::frm_carga> vigilada(carga);
    carga->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return vigilada.isNull(); }, 20000));
    ASSERT_TRUE(resultado);
    EXPECT_EQ(resultado->tipo, carga::ResultadoCarga::Tipo::Exito);
    EXPECT_EQ(maximo, 5 * 3 + 10);
    EXPECT_EQ(valor, maximo);
    EXPECT_EQ(etiqueta, "Cargando socios y ejemplares a la base");
}

// The run works beside the window: while it waits for a store another
// program holds, the window keeps answering events, stays modal to the whole
// program and refuses to close; it closes once the run has ended.
TEST(VentanaDeCarga, SigueRespondiendoMientrasLaCargaTrabajaYNoSeCierraAntes) {
    prueba::aplicacion();
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    e.sembrarPresta(2);
    auto otroPrograma = std::make_unique<store::BaseDatos>(e.ctx.rutaBase(), e.reloj);
    otroPrograma->ejecutar("BEGIN IMMEDIATE");

    auto* carga = new isis::ui::frm_carga(e.ctx, e.dialogos);
    carga->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<isis::ui::frm_carga> vigilada(carga);
    std::optional<carga::ResultadoCarga> resultado;
    QObject::connect(carga, &isis::ui::frm_carga::cargaTerminada,
                     [&](const carga::ResultadoCarga& r) { resultado = r; });
    EXPECT_EQ(carga->windowModality(), Qt::ApplicationModal);
    int latidos = 0;
    QTimer latido;
    QObject::connect(&latido, &QTimer::timeout, [&] { ++latidos; });
    latido.start(10);
    carga->show();
    QTest::qWait(400);
    // The run is still waiting for the store, and the event loop went on.
    EXPECT_FALSE(resultado.has_value());
    EXPECT_GE(latidos, 10);
    carga->close();
    EXPECT_FALSE(vigilada.isNull());
    EXPECT_TRUE(carga->isVisible());

    otroPrograma->ejecutar("COMMIT");
    otroPrograma.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return vigilada.isNull(); }, 20000));
    ASSERT_TRUE(resultado);
    EXPECT_EQ(resultado->tipo, carga::ResultadoCarga::Tipo::Exito);
    EXPECT_EQ(e.presta().size(), 3u);
    EXPECT_EQ(e.ctx.TotalPrestamos, 3);
}

} // namespace
