#include "arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Estadisticas");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));

    // Qt's own buttons and dialogs in Spanish.
    QTranslator traductor;
    if (traductor.load(QLocale(QLocale::Spanish), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traductor);
    }

    Arranque arranque(QCoreApplication::applicationDirPath().toStdString());
    arranque.iniciar();
    return QApplication::exec();
}
