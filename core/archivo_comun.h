#pragma once

#include <string>
#include <string_view>

// Reading and writing whole files safely: a FIFO or a device in place of a
// file never blocks the program, and a save that fails (full disk, a program
// stopped halfway) never leaves a half-written file.
namespace core {

// Opens `ruta` for reading when it is a regular file, without ever waiting
// (a FIFO or a device is refused at once). Returns the descriptor, or -1 with
// the reason, in Spanish, in `motivo`.
int abrirArchivoComun(const std::string& ruta, std::string& motivo);

// Writes `contenido` into a new file beside `ruta` and, once it is complete
// and on disk, renames it over `ruta` in one step. On any failure the new
// file goes and `ruta` keeps its previous content. The previous file's
// permissions are kept; a link is followed, and the file it names replaced.
// Throws Error(ErrorArchivo) naming the file and the reason.
void reemplazarArchivo(const std::string& ruta, std::string_view contenido);

// Puts a file, or a folder's names after a rename, on disk. False when the
// system could not.
bool sincronizarEnDisco(const std::string& ruta);

} // namespace core
