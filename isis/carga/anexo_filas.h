#pragma once

#include "store/registros.h"

#include <array>
#include <cstddef>
#include <memory>
#include <utility>

namespace carga {

// Appends rows of a load's table through an appending Registros: each row's
// values come in the order of `columnas`, an empty value as NULL. The texts
// are bound without a copy; they stay where they are while the run lasts.
template <std::size_t N> class AnexoFilas {
public:
    AnexoFilas(std::unique_ptr<store::Registros> anexador,
               const std::array<const char*, N>& columnas)
        : anexador_(std::move(anexador)) {
        for (std::size_t c = 0; c < N; ++c) {
            posiciones_[c] = anexador_->indice(columnas[c]);
        }
    }

    template <typename Fila> void anexar(const Fila* desde, const Fila* hasta) {
        for (const Fila* fila = desde; fila != hasta; ++fila) {
            anexador_->agregarNuevo();
            for (std::size_t c = 0; c < N; ++c) {
                if (!fila->valores[c].empty()) {
                    anexador_->fijar(posiciones_[c], fila->valores[c]);
                }
            }
            anexador_->actualizar();
        }
    }

private:
    std::unique_ptr<store::Registros> anexador_;
    std::array<int, N> posiciones_{};
};

} // namespace carga
