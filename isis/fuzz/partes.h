#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// A fuzz input holding several files: `n` little-endian 32-bit lengths,
// then the files one after another (the last takes what is left).
inline std::vector<std::string> partes(const std::uint8_t* datos, std::size_t largo, int n) {
    std::vector<std::string> r;
    const std::size_t cabecera = 4 * static_cast<std::size_t>(n);
    if (largo < cabecera) {
        return r;
    }
    std::size_t pos = cabecera;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t* p = datos + 4 * i;
        std::size_t t = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::size_t>(p[3]) << 24);
        t = i + 1 == n ? largo - pos : std::min(t, largo - pos);
        r.emplace_back(reinterpret_cast<const char*>(datos) + pos, t);
        pos += t;
    }
    return r;
}

} // namespace fuzz
