#pragma once

#include <string>

// Reads and writes one key of an INI file the way the Windows private-profile
// functions do: section and key names compare case-insensitively, values are
// trimmed on reading, writing creates the file, section and key as needed and
// replaces an existing value in place, keeping every other line as it was.
namespace core::perfil_privado {

// At most this many characters of a value are read back.
constexpr std::size_t LargoMaximo = 254;

// Empty when the file, section or key is missing or cannot be read.
std::string leer(const std::string& seccion, const std::string& clave, const std::string& archivo);
// Returns false when the file cannot be written.
bool grabar(const std::string& seccion, const std::string& clave, const std::string& valor,
            const std::string& archivo);

} // namespace core::perfil_privado
