#include "core/argumentos.h"

#include "core/error.h"

namespace core {

Argumentos::Argumentos(const std::vector<std::string>& palabras,
                       const std::set<std::string>& conValor,
                       const std::set<std::string>& banderas) {
    for (std::size_t i = 0; i < palabras.size(); ++i) {
        const std::string& p = palabras[i];
        if (p.rfind("--", 0) != 0 || p.size() == 2) {
            posicionales_.push_back(p);
        } else if (conValor.count(p)) {
            if (i + 1 >= palabras.size()) {
                throw Error(Error::ArgumentoInvalido, "Falta el valor de " + p);
            }
            valores_[p] = palabras[++i];
        } else if (banderas.count(p)) {
            banderas_.insert(p);
        } else {
            throw Error(Error::ArgumentoInvalido, "Opción desconocida: " + p);
        }
    }
}

std::optional<std::string> Argumentos::valor(const std::string& nombre) const {
    const auto it = valores_.find(nombre);
    if (it == valores_.end()) {
        return std::nullopt;
    }
    return it->second;
}

} // namespace core
