#pragma once

#include "isis/carga/carga.h"

#include <string>

namespace carga {

// The load run's status text and progress bar, passed on to the window.
class ProgresoCarga {
public:
    explicit ProgresoCarga(const AvisoCarga& aviso) : aviso_(aviso) {}

    void etiqueta(std::string texto) {
        etiqueta_ = std::move(texto);
        avisar();
    }
    void maximo(int m) {
        maximo_ = m;
        avisar();
    }
    void valor(int v) {
        valor_ = v;
        avisar();
    }
    void avanzar() { valor(valor_ + 1); }
    int valor() const { return valor_; }
    void completar() { valor(maximo_); }

private:
    void avisar() const {
        if (aviso_) {
            aviso_(etiqueta_, maximo_, valor_);
        }
    }

    const AvisoCarga& aviso_;
    std::string etiqueta_ = "Cargando datos de prestamos";
    int maximo_ = 100;
    int valor_ = 0;
};

} // namespace carga
