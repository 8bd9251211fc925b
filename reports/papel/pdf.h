#pragma once

#include <functional>
#include <string>

class QPagedPaintDevice;

namespace reports::papel {

// Writes an A4 PDF file at `ruta` titled `titulo`, whose pages `pintar`
// draws. The file appears whole or not at all. Needs a QGuiApplication (for
// the fonts). Throws Error(ErrorArchivo) when it cannot be written, or what
// `pintar` throws.
void EscribirPdf(const std::string& ruta, const std::string& titulo,
                 const std::function<void(QPagedPaintDevice&)>& pintar);

} // namespace reports::papel
