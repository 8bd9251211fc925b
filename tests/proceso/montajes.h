#pragma once

#include <cstddef>
#include <string>

namespace prueba {

// A mount over a test folder, undone when the object goes. Mounts live in a
// mount namespace of the test process alone, so none outlives it even when
// it crashes; the programs it starts see them. `activo()` is false when the
// system does not let the test mount (no privilege, a container without the
// right): the test then falls back to another technique or skips.
class Montaje {
public:
    // A small empty file system of `bytes` bytes over `carpeta`: a full disk.
    static Montaje discoChico(const std::string& carpeta, std::size_t bytes);
    // `carpeta` itself, read-only.
    static Montaje soloLectura(const std::string& carpeta);

    Montaje(Montaje&& otro) noexcept;
    ~Montaje();
    Montaje(const Montaje&) = delete;
    Montaje& operator=(const Montaje&) = delete;
    Montaje& operator=(Montaje&&) = delete;

    bool activo() const { return !carpeta_.empty(); }

private:
    Montaje() = default;
    std::string carpeta_;
};

} // namespace prueba
