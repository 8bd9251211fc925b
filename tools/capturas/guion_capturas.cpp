#include "tools/capturas/guion_capturas.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace capturas {

namespace {

QMdiArea* area(QMainWindow& principal) {
    return qobject_cast<QMdiArea*>(principal.centralWidget());
}

// Clicks the button `nombre` of the active child window.
void pulsar(QMainWindow& principal, const char* nombre) {
    if (QMdiSubWindow* activa = area(principal)->activeSubWindow()) {
        if (auto* boton = activa->findChild<QPushButton*>(nombre)) {
            boton->click();
        }
    }
}

// Opens the pop-up of the list box `nombre` of the active child window.
void desplegar(QMainWindow& principal, const char* nombre) {
    if (QMdiSubWindow* activa = area(principal)->activeSubWindow()) {
        if (auto* lista = activa->findChild<QComboBox*>(nombre)) {
            lista->showPopup();
        }
    }
}

// Asks the active ranking for `barras` bars, as typing them and Enter does.
void pedirBarras(QMainWindow& principal, const char* barras) {
    if (QMdiSubWindow* activa = area(principal)->activeSubWindow()) {
        if (auto* caja = activa->findChild<QLineEdit*>("txt_barras")) {
            caja->setText(barras);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
            QApplication::sendEvent(caja, &enter);
        }
    }
}

} // namespace

void elegir(QMainWindow& principal, const char* accion) {
    if (auto* a = principal.findChild<QAction*>(accion)) {
        a->trigger();
    }
}

const std::vector<Captura>& Capturas() {
    static const std::vector<Captura> capturas{
        {"principal", "La ventana principal con sus menús", [](QMainWindow&) {}},
        {"ranking-libros", "Libros > Ranking",
         [](QMainWindow& p) { elegir(p, "mnu_librosRanking"); }},
        {"ranking-usuarios", "Usuarios > Ranking",
         [](QMainWindow& p) { elegir(p, "mnu_usuariosRanking"); }},
        {"ranking-40-barras", "Un ranking de cuarenta barras",
         [](QMainWindow& p) {
             elegir(p, "mnu_usuariosRanking");
             pedirBarras(p, "40");
         }},
        {"ranking-linea", "Un ranking como línea",
         [](QMainWindow& p) {
             elegir(p, "mnu_librosRanking");
             pulsar(p, "cmd_Vgrafico");
         }},
        {"ranking-torta", "Un ranking como torta",
         [](QMainWindow& p) {
             elegir(p, "mnu_librosRanking");
             pulsar(p, "cmd_Vgrafico");
             pulsar(p, "cmd_Vgrafico");
         }},
        {"titulos-retirados", "Usuarios > Títulos retirados",
         [](QMainWindow& p) { elegir(p, "mnu_usuariosTitulos"); }},
        {"morosos", "Usuarios > Morosos",
         [](QMainWindow& p) { elegir(p, "mnu_usuariosRetrasados"); }},
        {"prestados", "Libros > Prestados",
         [](QMainWindow& p) { elegir(p, "mnu_librosPrestados"); }},
        {"devueltos-con-mora", "Libros > Devueltos con mora",
         [](QMainWindow& p) { elegir(p, "mnu_librosMorosos"); }},
        {"busqueda-libros", "Libros > Búsqueda",
         [](QMainWindow& p) {
             elegir(p, "mnu_buscarLibros");
             pulsar(p, "cmd_buscar");
         }},
        {"busqueda-usuarios", "Usuarios > Búsqueda",
         [](QMainWindow& p) {
             elegir(p, "mnu_buscarUsuarios");
             pulsar(p, "cmd_buscar");
         }},
        {"lista-tematicas", "La lista de temáticas desplegada",
         [](QMainWindow& p) {
             elegir(p, "mnu_buscarLibros");
             desplegar(p, "cmb_tematica");
         }},
        {"resumen", "Informes > Resumen", [](QMainWindow& p) { elegir(p, "mnu_resumen"); }},
        {"participacion", "Informes > Participación por grado, con su gráfico",
         [](QMainWindow& p) { elegir(p, "mnu_participacion"); }},
        {"sin-prestamos", "Informes > Socios sin préstamos",
         [](QMainWindow& p) { elegir(p, "mnu_sinPrestamos"); }},
        {"sin-uso", "Informes > Ejemplares sin uso",
         [](QMainWindow& p) { elegir(p, "mnu_sinUso"); }},
        {"atrasos", "Informes > Atrasos", [](QMainWindow& p) { elegir(p, "mnu_atrasos"); }},
        {"mensual", "Informes > Evolución mensual, con su gráfico",
         [](QMainWindow& p) { elegir(p, "mnu_mensual"); }},
        {"exportar", "Exportar", [](QMainWindow& p) { elegir(p, "mnu_exportar"); }},
        {"cue", "Configuración > Cambiar CUE", [](QMainWindow& p) { elegir(p, "mnu_CUE"); }},
        {"rutas", "Configuración > Path DB", [](QMainWindow& p) { elegir(p, "mnu_path"); }},
        {"acerca-de", "? > Acerca de...", [](QMainWindow& p) { elegir(p, "mnu_acerca_de"); }},
        {"cascada", "Varias ventanas en cascada",
         [](QMainWindow& p) {
             for (const char* a : {"mnu_librosPrestados", "mnu_buscarUsuarios", "mnu_librosRanking",
                                   "mnu_usuariosRanking"}) {
                 elegir(p, a);
             }
             elegir(p, "mnu_cascada");
         }},
        {"mosaico", "Varias ventanas en mosaico",
         [](QMainWindow& p) {
             for (const char* a : {"mnu_librosPrestados", "mnu_buscarUsuarios", "mnu_librosRanking",
                                   "mnu_usuariosRanking"}) {
                 elegir(p, a);
             }
             elegir(p, "mnu_mosaico");
         }},
        {"maximizada", "Una lista maximizada",
         [](QMainWindow& p) {
             elegir(p, "mnu_librosPrestados");
             area(p)->activeSubWindow()->showMaximized();
             elegir(p, "mnu_buscarLibros");
         }},
        {"archivo", "El cuadro para elegir una base",
         [](QMainWindow& p) {
             elegir(p, "mnu_path");
             // The dialog is modal: it is pressed once the event loop runs.
             QTimer::singleShot(0, &p, [&p] { pulsar(p, "cmd_busca_prestamos"); });
         }},
        {"salir", "La pregunta al salir",
         [](QMainWindow& p) { QTimer::singleShot(0, &p, [&p] { p.close(); }); }},
    };
    return capturas;
}

} // namespace capturas
