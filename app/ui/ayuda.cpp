#include "app/ui/ayuda.h"

#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"

#include <QProcess>
#include <QStringList>

namespace app::ui {

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

void ejecutarAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos) {
    core::Archivo_Ini ini(carpeta);
    ini.Cargar("HELPFILE");
    try {
        QStringList partes = QProcess::splitCommand(QString::fromStdString(ini.Process));
        if (partes.isEmpty()) {
            throw core::Error(core::Error::ArgumentoInvalido,
                              "Llamada a procedimiento o argumento no válido");
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
