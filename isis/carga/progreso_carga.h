#pragma once

#include "isis/carga/carga.h"

#include <mutex>
#include <string>

namespace carga {

// The load run's status text and progress bar, passed on to the window. The
// reading and the writing move it from two threads at once: every change and
// its notice happen under one lock, so the notices come one at a time and
// each shows a state the bar really had.
class ProgresoCarga {
public:
    explicit ProgresoCarga(const AvisoCarga& aviso) : aviso_(aviso) {}

    void etiqueta(std::string texto) {
        const std::lock_guard cierre(mutex_);
        etiqueta_ = std::move(texto);
        avisar();
    }
    void maximo(int m) {
        const std::lock_guard cierre(mutex_);
        maximo_ = m;
        avisar();
    }
    void valor(int v) {
        const std::lock_guard cierre(mutex_);
        valor_ = v;
        avisar();
    }
    // Moves the bar by `pasos` (back when negative).
    void sumar(int pasos) {
        const std::lock_guard cierre(mutex_);
        valor_ += pasos;
        avisar();
    }
    void avanzar() { sumar(1); }
    void completar() {
        const std::lock_guard cierre(mutex_);
        valor_ = maximo_;
        avisar();
    }

private:
    void avisar() const {
        if (aviso_) {
            aviso_(etiqueta_, maximo_, valor_);
        }
    }

    const AvisoCarga& aviso_;
    std::mutex mutex_;
    std::string etiqueta_ = "Cargando datos de prestamos";
    int maximo_ = 100;
    int valor_ = 0;
};

} // namespace carga
