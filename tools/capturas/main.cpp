// Starts the program as `estadisticas` does, on the folder of --carpeta,
// then brings it to each window named on the command line (every one when
// none is) and saves the whole screen as DIR/NAME.png. Run it under a
// display with a window manager: scripts/capturas does.
//
//   capturas --carpeta CARPETA --salida DIR [NOMBRE...]
//   capturas --lista

#include "app/ui/aplicacion.h"
#include "app/ui/arranque.h"
#include "app/ui/frm_principal.h"
#include "app/ui/inicio_programa.h"
#include "core/carpetas.h"
#include "core/reloj.h"
#include "core/ui/dialogos_qt.h"
#include "isis/ui/frm_carga.h"
#include "tools/capturas/guion_capturas.h"

#include <QDir>
#include <QEventLoop>
#include <QMdiArea>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <iostream>

namespace {

void esperar(int milisegundos) {
    QEventLoop bucle;
    QTimer::singleShot(milisegundos, &bucle, &QEventLoop::quit);
    bucle.exec();
}

// Closes what the last screenshot left open: modal boxes first, then the
// child windows.
void cerrarTodo(app::ui::frm_principal& principal) {
    for (int i = 0; i < 5 && QApplication::activeModalWidget() != nullptr; ++i) {
        QApplication::activeModalWidget()->close();
        esperar(200);
    }
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana != &principal && ventana->isVisible() && ventana->isWindow() &&
            ventana->objectName() == "frmAbout") {
            ventana->close();
        }
    }
    principal.area()->closeAllSubWindows();
    esperar(200);
}

} // namespace

int main(int argc, char** argv) {
    app::ui::Aplicacion app(argc, argv);
    app::ui::prepararPrograma(app);
    QStringList argumentos = app.arguments().mid(1);
    if (argumentos.contains("--lista")) {
        for (const capturas::Captura& c : capturas::Capturas()) {
            std::cout << c.nombre << "\t" << c.descripcion << "\n";
        }
        return 0;
    }
    const qsizetype s = argumentos.indexOf("--salida");
    const qsizetype c = argumentos.indexOf("--carpeta");
    if (s < 0 || c < 0 || s + 1 >= argumentos.size() || c + 1 >= argumentos.size()) {
        std::cerr << "Uso: capturas --carpeta CARPETA --salida DIR [NOMBRE...] | --lista\n";
        return 1;
    }
    const QString salida = argumentos[s + 1];
    const QString carpeta = argumentos[c + 1];
    QStringList pedidas = argumentos;
    pedidas.removeAll("--salida");
    pedidas.removeAll("--carpeta");
    pedidas.removeAll(salida);
    pedidas.removeAll(carpeta);
    QDir().mkpath(salida);

    core::Reloj reloj;
    core::ui::DialogosQt dialogos;
    app::ui::Arranque arranque(core::carpetasDelPrograma(carpeta.toStdString()), reloj, dialogos);
    dialogos.fijarPadre(&arranque.principal());
    app.fijarDialogos(dialogos);
    arranque.iniciar();
    while (arranque.carga() != nullptr) {
        esperar(100);
    }
    esperar(800);
    app::ui::frm_principal& principal = arranque.principal();

    int hechas = 0;
    for (const capturas::Captura& captura : capturas::Capturas()) {
        if (!pedidas.isEmpty() && !pedidas.contains(captura.nombre)) {
            continue;
        }
        // A modal box runs its own event loop: the picture is taken from a
        // timer inside it, then the box is closed.
        bool tomada = false;
        const auto tomar = [&] {
            const QString ruta = salida + "/" + captura.nombre + ".png";
            QGuiApplication::primaryScreen()->grabWindow(0).save(ruta);
            std::cout << ruta.toStdString() << "\n";
            tomada = true;
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        };
        QTimer::singleShot(1500, &principal, tomar);
        captura.preparar(principal);
        while (!tomada) {
            esperar(100);
        }
        ++hechas;
        if (QString(captura.nombre) != "salir") {
            cerrarTodo(principal);
        }
    }
    // The first start of an empty folder leaves its paths dialog: shown as is.
    if (pedidas.contains("inicio")) {
        QGuiApplication::primaryScreen()->grabWindow(0).save(salida + "/inicio.png");
        std::cout << (salida + "/inicio.png").toStdString() << "\n";
        ++hechas;
    }
    std::cout << hechas << " capturas\n";
    return 0;
}
