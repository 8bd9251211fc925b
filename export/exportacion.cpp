#include "export/exportacion.h"

#include "core/archivo_comun.h"
#include "core/descripcion_error.h"
#include "core/error.h"
#include "core/texto.h"
#include "store/contexto.h"
#include "store/cotas_fecha.h"

#include <filesystem>

namespace exportacion {

std::string FiltroExportacion(const PeriodoExportacion& periodo) {
    // The filter goes behind the statements' own connector: its first bound
    // has none, the second joins with " AND "; each bound opens with a blank.
    constexpr store::EspaciadoCotas EspaciadoExportacion{"", " ", " "};
    bool primera = true;
    const auto conector = [&primera] {
        const char* pieza = primera ? "" : " AND ";
        primera = false;
        return pieza;
    };
    std::string filtro;
    store::AgregarCotasFecha(filtro, periodo.desde, periodo.hasta, EspaciadoExportacion, conector);
    return filtro;
}

std::string TextoPeriodo(const PeriodoExportacion& periodo, core::Fecha hoy) {
    return (periodo.desde ? core::textoAAAAMMDD(*periodo.desde) : std::string("19000101")) + "-" +
           core::textoAAAAMMDD(periodo.hasta.value_or(hoy));
}

std::string NombreArchivoExportacion(core::Fecha hoy) {
    return "exp - " + core::textoAAAAMMDD(hoy) + ".xml";
}

std::string CodificarUTF8(std::string_view texto) {
    std::string bytes;
    bytes.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        core::texto::agregarUtf8(bytes, core::texto::siguienteCodigo(texto, i));
    }
    return bytes;
}

std::string EscribirExportacion(store::Contexto& ctx, const std::string& filtro,
                                const PeriodoExportacion& periodo) {
    const std::string bytes = CodificarUTF8(DocumentoExportacion(ctx, filtro, periodo)) + "\r\n";
    const std::string carpeta = ctx.carpeta + "/exportaciones";
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    if (ec) {
        throw core::Error(core::Error::RutaNoEncontrada,
                          "No se pudo crear la carpeta " + carpeta + ": " +
                              core::descripcionDelSistema(ec.value()));
    }
    const std::string ruta = carpeta + "/" + NombreArchivoExportacion(ctx.reloj.hoy());
    // Written beside the target and renamed over it only once complete.
    core::reemplazarArchivo(ruta, bytes);
    return ruta;
}

} // namespace exportacion
