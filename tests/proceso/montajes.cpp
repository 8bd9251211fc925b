#include "tests/proceso/montajes.h"

#include <sched.h>
#include <sys/mount.h>

namespace prueba {

namespace {

// Moves the test process into a mount namespace of its own, once.
bool namespacePropio() {
    static const bool propio = unshare(CLONE_NEWNS) == 0 &&
                               mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return propio;
}

} // namespace

Montaje Montaje::discoChico(const std::string& carpeta, std::size_t bytes) {
    Montaje m;
    const std::string opciones = "size=" + std::to_string(bytes);
    if (namespacePropio() &&
        mount("tmpfs", carpeta.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, opciones.c_str()) == 0) {
        m.carpeta_ = carpeta;
    }
    return m;
}

Montaje Montaje::soloLectura(const std::string& carpeta) {
    Montaje m;
    if (namespacePropio() &&
        mount(carpeta.c_str(), carpeta.c_str(), nullptr, MS_BIND, nullptr) == 0) {
        m.carpeta_ = carpeta;
        if (mount(nullptr, carpeta.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) !=
            0) {
            umount2(carpeta.c_str(), MNT_DETACH);
            m.carpeta_.clear();
        }
    }
    return m;
}

Montaje::Montaje(Montaje&& otro) noexcept : carpeta_(std::move(otro.carpeta_)) {
    otro.carpeta_.clear();
}

Montaje::~Montaje() {
    if (activo()) {
        umount2(carpeta_.c_str(), MNT_DETACH);
    }
}

} // namespace prueba
