#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace isis {

// The bytes of one database file, read only: mapped from disk (the file is
// opened for reading and never locked or changed) or held in memory (tests,
// fuzzing). The name is the one error messages give.
class ArchivoMapeado {
public:
    // Throws Error (ErrorIsis) naming the file when it cannot be opened.
    static ArchivoMapeado abrir(const std::string& ruta);
    static ArchivoMapeado enMemoria(std::string nombre, std::string contenido);

    std::string_view datos() const { return datos_; }
    std::size_t tamano() const { return datos_.size(); }
    const std::string& nombre() const { return nombre_; }

private:
    std::string nombre_;
    std::shared_ptr<const void> dueno_;
    std::string_view datos_;
};

// The real path of `ruta` on disk, matching every component without regard
// to case (ISIS paths come upper-cased, Linux names keep their case);
// nullopt when nothing matches.
std::optional<std::string> buscarSinMayusculas(const std::string& ruta);

// The file of database `rutaSinExtension` with extension `extension` (".MST"...),
// found without regard to case; nullopt when missing.
std::optional<std::string> archivoDeBase(const std::string& rutaSinExtension,
                                         const std::string& extension);

} // namespace isis
