#pragma once

#include "isis/carga/carga.h"

#include <algorithm>
#include <cstdint>
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

// A share of `pasos` steps of the bar that a part of the run walks through
// in proportion to the `unidades` it has done; `Destino` takes the steps
// (sumar).
template <typename Destino> class TramoProgreso {
public:
    TramoProgreso(Destino& destino, int pasos, std::int64_t unidades)
        : destino_(destino), pasos_(pasos), unidades_(std::max<std::int64_t>(unidades, 1)) {}
    void avanzar(std::int64_t unidades = 1) {
        hechas_ += unidades;
        const auto dados = static_cast<int>(pasos_ * std::min(hechas_, unidades_) / unidades_);
        if (dados != dados_) {
            destino_.sumar(dados - dados_);
            dados_ = dados;
        }
    }

private:
    Destino& destino_;
    std::int64_t pasos_;
    std::int64_t unidades_;
    std::int64_t hechas_ = 0;
    int dados_ = 0;
};

} // namespace carga
