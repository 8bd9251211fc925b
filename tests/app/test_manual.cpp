// The user manual as the build puts it beside the programs, where "Ayuda"
// opens it and from where it is installed: a page for every window the
// program opens, every page reachable from the index, and every link and
// picture leading to something that is there.
#include "app/ui/frm_principal.h"
#include "core/carpetas.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/entorno.h"
#include "tests/app/navegador_anotado.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path CarpetaManual = core::carpetaManual(core::entornoDelProceso().carpetaEjecutable);

std::string leer(const fs::path& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    return s.str();
}

// Every page of the manual by file name, with its text.
std::map<std::string, std::string> paginas() {
    std::map<std::string, std::string> todas;
    for (const fs::directory_entry& e : fs::directory_iterator(CarpetaManual)) {
        if (e.path().extension() == ".html") {
            todas[e.path().filename().string()] = leer(e.path());
        }
    }
    return todas;
}

// The values of one attribute across a page, in order.
std::vector<std::string> valores(const std::string& pagina, const std::string& atributo) {
    const std::regex patron("\\b" + atributo + "=\"([^\"]*)\"");
    std::vector<std::string> encontrados;
    for (auto it = std::sregex_iterator(pagina.begin(), pagina.end(), patron);
         it != std::sregex_iterator(); ++it) {
        encontrados.push_back((*it)[1].str());
    }
    return encontrados;
}

// The windows each page describes: its <meta name="ventana" content="...">.
std::map<std::string, std::string> ventanasDescritas() {
    const std::regex patron("<meta name=\"ventana\" content=\"([^\"]+)\"");
    std::map<std::string, std::string> descritas;
    for (const auto& [nombre, texto] : paginas()) {
        for (auto it = std::sregex_iterator(texto.begin(), texto.end(), patron);
             it != std::sregex_iterator(); ++it) {
            descritas[(*it)[1].str()] = nombre;
        }
    }
    return descritas;
}

bool esExterno(const std::string& destino) {
    return destino.rfind("http://", 0) == 0 || destino.rfind("https://", 0) == 0 ||
           destino.rfind("mailto:", 0) == 0;
}

struct Manual : ::testing::Test, prueba::Entorno {
    Manual() : Entorno(prueba::dia(2024, 3, 15)) {}
};

// Opens every window the menus lead to, as the user would, and names them.
std::set<std::string> ventanasDelPrograma(app::ui::frm_principal& principal) {
    const auto& a = principal.acciones();
    // "Ayuda", "Archivo de ayuda" and "Recargar" open no window of their own;
    // the load window, which "Recargar" shows, is named below.
    const std::set<QAction*> sinVentana = {a.mnu_ayuda, a.mnu_helpfile, a.mnu_recargar};
    std::set<std::string> nombres = {principal.objectName().toStdString(), "frm_carga"};
    for (QAction* accion : principal.findChildren<QAction*>()) {
        if (!accion->objectName().startsWith("mnu_") || accion->menu() != nullptr ||
            !accion->isEnabled() || !accion->isVisible() || sinVentana.count(accion) > 0) {
            continue;
        }
        accion->trigger();
    }
    for (QMdiSubWindow* sub : principal.area()->subWindowList()) {
        nombres.insert(sub->widget()->objectName().toStdString());
    }
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana->isVisible() && ventana != &principal) {
            nombres.insert(ventana->objectName().toStdString());
        }
    }
    return nombres;
}

} // namespace

TEST_F(Manual, CadaVentanaTieneSuPaginaYCadaPaginaUnaVentana) {
    prueba::aplicacion();
    abrirAlmacen();
    app::ui::frm_principal principal(ctx, dialogos);
    prueba::NavegadorAnotado navegador;
    principal.fijarNavegador(navegador);
    principal.activarMenus(true);
    const std::set<std::string> ventanas = ventanasDelPrograma(principal);
    // The frame, the load window, the dialogs, the lists, the searches, the
    // ranking, the reports and the about box.
    EXPECT_GE(ventanas.size(), 16u);
    const auto descritas = ventanasDescritas();
    for (const std::string& ventana : ventanas) {
        EXPECT_EQ(descritas.count(ventana), 1u) << "sin página en el manual: " << ventana;
    }
    for (const auto& [ventana, pagina] : descritas) {
        EXPECT_EQ(ventanas.count(ventana), 1u)
            << pagina << " describe " << ventana << ", que el programa no abre";
    }
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana != &principal) {
            ventana->close();
        }
    }
}

TEST(ManualEnlaces, CadaEnlaceEImagenLlevaAAlgoQueEsta) {
    const auto todas = paginas();
    ASSERT_EQ(todas.count("index.html"), 1u);
    int revisados = 0;
    for (const auto& [nombre, texto] : todas) {
        for (const char* atributo : {"href", "src"}) {
            for (const std::string& destino : valores(texto, atributo)) {
                ++revisados;
                ASSERT_FALSE(destino.empty()) << nombre;
                if (esExterno(destino)) {
                    continue;
                }
                const auto almohadilla = destino.find('#');
                const std::string archivo = destino.substr(0, almohadilla);
                const fs::path ruta =
                    archivo.empty() ? CarpetaManual / nombre : CarpetaManual / archivo;
                ASSERT_TRUE(fs::is_regular_file(ruta)) << nombre << " → " << destino;
                if (almohadilla != std::string::npos) {
                    const std::string ancla = destino.substr(almohadilla + 1);
                    EXPECT_NE(leer(ruta).find("id=\"" + ancla + "\""), std::string::npos)
                        << nombre << " → " << destino << ": no hay tal sección";
                }
            }
        }
    }
    EXPECT_GT(revisados, 50);
}

TEST(ManualEnlaces, ElIndiceLlevaACadaPaginaYCadaPaginaAlIndice) {
    const auto todas = paginas();
    const auto delIndice = valores(todas.at("index.html"), "href");
    for (const auto& [nombre, texto] : todas) {
        if (nombre == "index.html") {
            continue;
        }
        EXPECT_NE(std::find(delIndice.begin(), delIndice.end(), nombre), delIndice.end())
            << "el índice no enlaza " << nombre;
        const auto propios = valores(texto, "href");
        EXPECT_NE(std::find(propios.begin(), propios.end(), "index.html"), propios.end())
            << nombre << " no vuelve al índice";
    }
}

TEST(ManualEnlaces, CadaImagenTieneSuTextoAlternativo) {
    const std::regex imagen("<img\\b[^>]*>");
    for (const auto& [nombre, texto] : paginas()) {
        for (auto it = std::sregex_iterator(texto.begin(), texto.end(), imagen);
             it != std::sregex_iterator(); ++it) {
            const std::string etiqueta = it->str();
            const auto alt = valores(etiqueta, "alt");
            ASSERT_EQ(alt.size(), 1u) << nombre << ": " << etiqueta;
            EXPECT_FALSE(alt[0].empty()) << nombre << ": " << etiqueta;
        }
    }
}
