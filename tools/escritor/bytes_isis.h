#pragma once

#include <cstdint>
#include <string>

// Integers as ISIS files on PCs store them: little-endian, except the
// big-endian parts of a posting.
namespace escritor::bytes_isis {

inline void ponerLE(std::string& destino, std::size_t pos, std::uint32_t valor, int ancho) {
    for (int i = 0; i < ancho; ++i) {
        destino[pos + static_cast<std::size_t>(i)] = static_cast<char>((valor >> (8 * i)) & 0xFF);
    }
}

inline void agregarLE(std::string& destino, std::uint32_t valor, int ancho) {
    destino.append(static_cast<std::size_t>(ancho), '\0');
    ponerLE(destino, destino.size() - static_cast<std::size_t>(ancho), valor, ancho);
}

inline void agregar32(std::string& d, std::int32_t v) {
    agregarLE(d, static_cast<std::uint32_t>(v), 4);
}
inline void agregar16(std::string& d, int v) {
    agregarLE(d, static_cast<std::uint32_t>(v) & 0xFFFF, 2);
}

inline void ponerBE(std::string& destino, std::size_t pos, std::uint32_t valor, int ancho) {
    for (int i = 0; i < ancho; ++i) {
        destino[pos + static_cast<std::size_t>(i)] =
            static_cast<char>((valor >> (8 * (ancho - 1 - i))) & 0xFF);
    }
}

} // namespace escritor::bytes_isis
