#pragma once

#include <string>
#include <vector>

// Reads and writes keys of an INI file the way the Windows private-profile
// functions do: section and key names compare case-insensitively, values are
// trimmed on reading, writing creates the file, section and keys as needed and
// replaces an existing value in place, keeping every other line, the line
// ends and a leading byte-order mark as they were. Only a regular file is
// read (a FIFO reads as missing, at once); a save replaces the whole file in
// one step, so a failed save leaves the previous one whole.
namespace core::perfil_privado {

// At most this many characters of a value are read back.
constexpr std::size_t LargoMaximo = 254;

// Empty when the file, section or key is missing or cannot be read.
std::string leer(const std::string& seccion, const std::string& clave, const std::string& archivo);

struct Valor {
    std::string clave;
    std::string valor;
};
// Writes the keys of one section, in order, in one save. Throws
// Error(ErrorArchivo) naming the file when it cannot be written, or when it
// is there but cannot be read (its other sections would be lost).
void grabar(const std::string& seccion, const std::vector<Valor>& valores,
            const std::string& archivo);

} // namespace core::perfil_privado
