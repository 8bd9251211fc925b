#include "app/ui/ayuda.h"

#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace app::ui {

namespace {

void abrirManual(Navegador& navegador, const std::optional<std::string>& indiceManual) {
    if (!indiceManual) {
        throw core::Error(core::Error::ArchivoNoEncontrado,
                          "No se encontró el manual de usuario. Reinstale el programa o indique "
                          "un comando en Configuración > Archivo de ayuda.");
    }
    if (!navegador.abrir(QUrl::fromLocalFile(QString::fromStdString(*indiceManual)))) {
        throw core::Error(core::Error::ArchivoNoEncontrado,
                          "No se pudo abrir el manual en el navegador: " + *indiceManual);
    }
}

} // namespace

bool NavegadorEscritorio::abrir(const QUrl& direccion) {
    return QDesktopServices::openUrl(direccion);
}

void archivoDeAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos) {
    core::Archivo_Ini ini(carpeta);
    ini.Cargar("HELPFILE");
    const auto respuesta = dialogos.entrada("Especifique comando a ejecutar para la ayuda",
                                            "Archivo de Ayuda", ini.Process);
    if (respuesta && !respuesta->empty()) {
        ini.Process = *respuesta;
        try {
            ini.Grabar("HELPFILE");
        } catch (const core::Error& e) {
            core::ui::mostrarError(dialogos, e, core::ui::EstiloError::TituloError);
        }
    }
}

void ejecutarAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos, Navegador& navegador,
                   const std::optional<std::string>& indiceManual) {
    core::Archivo_Ini ini(carpeta);
    ini.Cargar("HELPFILE");
    try {
        QStringList partes = QProcess::splitCommand(QString::fromStdString(ini.Process));
        if (partes.isEmpty()) {
            abrirManual(navegador, indiceManual);
            return;
        }
        const QString programa = partes.takeFirst();
        if (!QProcess::startDetached(programa, partes)) {
            throw core::Error(core::Error::ArchivoNoEncontrado, "No se ha encontrado el archivo");
        }
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos, e, core::ui::EstiloError::TituloNumero);
    }
}

} // namespace app::ui
