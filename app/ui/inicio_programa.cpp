#include "app/ui/inicio_programa.h"

#include "packaging/icono/icono_programa.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app::ui {

bool prepararPrograma(QApplication& app) {
    QApplication::setApplicationName("Estadisticas");
    QGuiApplication::setDesktopFileName("ar.edu.biblioteca.Estadisticas");
    QApplication::setWindowIcon(icono::iconoPrograma());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    auto* traductor = new QTranslator(&app);
    if (!traductor->load(QLocale(QLocale::Spanish), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    QApplication::installTranslator(traductor);
    return true;
}

std::optional<std::string> opcionCarpeta(const QApplication& app) {
    const QStringList palabras = app.arguments();
    const qsizetype i = palabras.indexOf("--carpeta");
    if (i < 0 || i + 1 >= palabras.size()) {
        return std::nullopt;
    }
    return palabras[i + 1].toStdString();
}

} // namespace app::ui
