#pragma once

#include "core/error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace isis {

// Bounds-checked integer reads from a file's bytes. Every read outside the
// bytes throws Error (ErrorIsis) naming the file, so a truncated or corrupt
// database never makes the reader run past its data.
class LectorBytes {
public:
    LectorBytes(std::string_view datos, const std::string& nombre, bool bigEndian = false)
        : datos_(datos), nombre_(&nombre), bigEndian_(bigEndian) {}

    std::size_t tamano() const { return datos_.size(); }
    const std::string& nombre() const { return *nombre_; }
    bool cabe(std::uint64_t desde, std::uint64_t largo) const {
        return desde <= datos_.size() && largo <= datos_.size() - desde;
    }
    std::string_view trozo(std::uint64_t desde, std::uint64_t largo) const {
        exigir(desde, largo);
        return datos_.substr(static_cast<std::size_t>(desde), static_cast<std::size_t>(largo));
    }
    std::uint16_t u16(std::uint64_t desde) const {
        return static_cast<std::uint16_t>(entero(desde, 2));
    }
    std::int16_t i16(std::uint64_t desde) const { return static_cast<std::int16_t>(u16(desde)); }
    std::int32_t i32(std::uint64_t desde) const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(entero(desde, 4)));
    }
    // Most significant byte first, whatever the file's order (postings).
    std::uint32_t alto(std::uint64_t desde, int largo) const {
        exigir(desde, static_cast<std::uint64_t>(largo));
        std::uint32_t v = 0;
        for (int k = 0; k < largo; ++k) {
            v = (v << 8) | byte(desde + static_cast<std::uint64_t>(k));
        }
        return v;
    }

    [[noreturn]] void danado(const std::string& motivo) const {
        throw core::Error(core::Error::ErrorIsis,
                          "El archivo " + *nombre_ + " está dañado: " + motivo);
    }

private:
    std::uint8_t byte(std::uint64_t i) const {
        return static_cast<std::uint8_t>(datos_[static_cast<std::size_t>(i)]);
    }
    void exigir(std::uint64_t desde, std::uint64_t largo) const {
        if (!cabe(desde, largo)) {
            danado("termina antes de la posición " + std::to_string(desde + largo));
        }
    }
    std::uint32_t entero(std::uint64_t desde, int largo) const {
        exigir(desde, static_cast<std::uint64_t>(largo));
        std::uint32_t v = 0;
        for (int k = 0; k < largo; ++k) {
            const int i = bigEndian_ ? k : largo - 1 - k;
            v = (v << 8) | byte(desde + static_cast<std::uint64_t>(i));
        }
        return v;
    }

    std::string_view datos_;
    const std::string* nombre_;
    bool bigEndian_;
};

} // namespace isis
