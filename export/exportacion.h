#pragma once

#include "core/reloj.h"

#include <optional>
#include <string>
#include <string_view>

namespace store {
struct Contexto;
}

namespace exportacion {

// The period the export dialog chose: each bound applies only when its box
// is ticked.
struct PeriodoExportacion {
    std::optional<core::Fecha> desde;
    std::optional<core::Fecha> hasta;
};

// The export filter: empty, or the conditions on fecha_presta for the ticked
// bounds (both inclusive), each ending with a blank, joined by " AND ".
std::string FiltroExportacion(const PeriodoExportacion& periodo);

// "desde-hasta" as written in <Periodo>: an unticked start reads 19000101,
// an unticked end reads today.
std::string TextoPeriodo(const PeriodoExportacion& periodo, core::Fecha hoy);

// "exp - AAAAMMDD.xml": one file a day, a later export of the day replaces it.
std::string NombreArchivoExportacion(core::Fecha hoy);

// The whole document as text, built with the store's statements, each run
// through EjecutarConsulta. Throws Error.
std::string DocumentoExportacion(store::Contexto& ctx, const std::string& filtro,
                                 const PeriodoExportacion& periodo);

// The UTF-8 form of the text, without a byte-order mark. Bytes that are not
// UTF-8 are taken as Latin-1 characters, so the result is always valid UTF-8.
std::string CodificarUTF8(std::string_view texto);

// Builds the document and writes it into the folder exportaciones of the
// application folder (created when missing). The file appears only complete:
// an error at any step leaves no file, and an earlier file of the day as it
// was. Returns the file's path; throws Error.
std::string EscribirExportacion(store::Contexto& ctx, const std::string& filtro,
                                const PeriodoExportacion& periodo);

} // namespace exportacion
