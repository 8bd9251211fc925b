#include "isis/carga/indice_claves.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace carga {

namespace {

std::uint64_t hashDe(std::string_view clave) {
    return std::hash<std::string_view>{}(clave);
}

} // namespace

// At most half full: probes stay short.
IndiceClaves::IndiceClaves(std::size_t previstas)
    : entradas_(std::bit_ceil(std::max<std::size_t>(2 * previstas, 16))) {}

std::size_t IndiceClaves::lugar(std::uint64_t hash, std::string_view clave) const {
    const std::size_t mascara = entradas_.size() - 1;
    for (std::size_t i = hash & mascara;; i = (i + 1) & mascara) {
        const Entrada& e = entradas_[i];
        if (!e.usada || (e.hash == hash && e.clave == clave)) {
            return i;
        }
    }
}

void IndiceClaves::crecer() {
    std::vector<Entrada> anteriores(2 * entradas_.size());
    anteriores.swap(entradas_);
    for (const Entrada& e : anteriores) {
        if (e.usada) {
            entradas_[lugar(e.hash, e.clave)] = e;
        }
    }
}

void IndiceClaves::agregar(std::string_view clave, std::int32_t numero) {
    if (2 * (usadas_ + 1) > entradas_.size()) {
        crecer();
    }
    const std::uint64_t hash = hashDe(clave);
    Entrada& e = entradas_[lugar(hash, clave)];
    if (!e.usada) {
        e = {hash, clave, numero, true};
        ++usadas_;
    }
}

std::optional<std::int32_t> IndiceClaves::buscar(std::string_view clave) const {
    const std::uint64_t hash = hashDe(clave);
    const Entrada& e = entradas_[lugar(hash, clave)];
    return e.usada ? std::optional(e.numero) : std::nullopt;
}

} // namespace carga
