#include "app/ui/aplicacion.h"
#include "app/ui/arranque.h"
#include "app/ui/frm_principal.h"
#include "core/reloj.h"
#include "core/ui/dialogos_qt.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    app::ui::Aplicacion app(argc, argv);
    QApplication::setApplicationName("Estadisticas");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));

    // Qt's own buttons and dialogs in Spanish.
    QTranslator traductor;
    if (traductor.load(QLocale(QLocale::Spanish), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traductor);
    }

    core::Reloj reloj;
    core::ui::DialogosQt dialogos;
    app::ui::Arranque arranque(QCoreApplication::applicationDirPath().toStdString(), reloj,
                               dialogos);
    QObject::connect(&arranque, &app::ui::Arranque::salidaPedida, &app, &QCoreApplication::exit);
    dialogos.fijarPadre(&arranque.principal());
    app.fijarDialogos(dialogos);
    arranque.iniciar();
    return QApplication::exec();
}
