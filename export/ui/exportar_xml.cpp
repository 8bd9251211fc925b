#include "export/ui/exportar_xml.h"

#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"

#include <filesystem>

namespace exportacion::ui {

void ExportarXML(store::Contexto& ctx, core::ui::Dialogos& dialogos, const std::string& filtro,
                 const PeriodoExportacion& periodo) {
    try {
        const std::string ruta = EscribirExportacion(ctx, filtro, periodo);
        const std::string nombre = std::filesystem::path(ruta).filename().string();
        dialogos.mensaje("Se creo el archivo " + nombre + "\r\nen el directorio exportaciones ",
                         "Archivo exportado exitosamente");
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos, e, core::ui::EstiloError::TituloError);
    }
}

} // namespace exportacion::ui
