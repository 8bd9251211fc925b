#include "isis/busqueda.h"

#include "core/error.h"
#include "isis/clave.h"

#include <algorithm>
#include <iterator>

namespace isis {

namespace {

using Mfns = std::vector<std::int32_t>;

[[noreturn]] void errorBusqueda(const std::string& motivo) {
    throw core::Error(core::Error::ErrorIsis, "Expresión de búsqueda no válida: " + motivo);
}

std::string_view recortar(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// Recursive descent: expresion = producto { + producto };
// producto = factor { (* | ^) factor }; factor = ( expresion ) | termino.
class Evaluador {
public:
    Evaluador(std::string_view t, const Diccionario& d, const CodigoPagina& c)
        : t_(t), d_(d), c_(c) {}

    Mfns todo() {
        Mfns r = expresion(0);
        saltarBlancos();
        if (i_ < t_.size()) {
            errorBusqueda("sobra «" + std::string(t_.substr(i_)) + "»");
        }
        return r;
    }

private:
    // Deep nesting is refused rather than allowed to exhaust the stack.
    static constexpr int kProfundidadMaxima = 200;

    void saltarBlancos() {
        while (i_ < t_.size() && t_[i_] == ' ') {
            ++i_;
        }
    }
    char ver() {
        saltarBlancos();
        return i_ < t_.size() ? t_[i_] : '\0';
    }

    Mfns expresion(int profundidad) {
        if (profundidad > kProfundidadMaxima) {
            errorBusqueda("demasiados paréntesis");
        }
        Mfns r = producto(profundidad);
        while (ver() == '+') {
            ++i_;
            Mfns b = producto(profundidad);
            Mfns u;
            std::set_union(r.begin(), r.end(), b.begin(), b.end(), std::back_inserter(u));
            r = std::move(u);
        }
        return r;
    }

    Mfns producto(int profundidad) {
        Mfns r = factor(profundidad);
        for (char op = ver(); op == '*' || op == '^'; op = ver()) {
            ++i_;
            Mfns b = factor(profundidad);
            Mfns u;
            if (op == '*') {
                std::set_intersection(r.begin(), r.end(), b.begin(), b.end(),
                                      std::back_inserter(u));
            } else {
                std::set_difference(r.begin(), r.end(), b.begin(), b.end(), std::back_inserter(u));
            }
            r = std::move(u);
        }
        return r;
    }

    Mfns factor(int profundidad) {
        const char c = ver();
        if (c == '(') {
            ++i_;
            Mfns r = expresion(profundidad + 1);
            if (ver() != ')') {
                errorBusqueda("falta «)»");
            }
            ++i_;
            return r;
        }
        if (c == '"') {
            const std::size_t f = t_.find('"', i_ + 1);
            if (f == std::string_view::npos) {
                errorBusqueda("comillas sin cerrar");
            }
            const std::string_view termino = t_.substr(i_ + 1, f - i_ - 1);
            i_ = f + 1;
            const bool truncado = ver() == '$' && (i_ + 1 >= t_.size() || t_[i_ + 1] != ' ');
            if (truncado) {
                ++i_;
            }
            return buscar(termino, truncado);
        }
        const std::size_t f = std::min(t_.find_first_of("+*^()\"", i_), t_.size());
        std::string_view termino = recortar(t_.substr(i_, f - i_));
        i_ = f;
        if (termino.empty()) {
            errorBusqueda("falta un término");
        }
        for (const std::string_view proximidad : {" . ", " $ "}) {
            if (std::string_view(" " + std::string(termino) + " ").find(proximidad) !=
                std::string_view::npos) {
                errorBusqueda("el operador «" + std::string(recortar(proximidad)) +
                              "» no está admitido");
            }
        }
        const bool truncado = termino.back() == '$';
        if (truncado) {
            termino.remove_suffix(1);
        }
        return buscar(termino, truncado);
    }

    Mfns buscar(std::string_view termino, bool truncado) {
        const std::string clave = normalizarClave(termino, c_);
        Mfns r;
        const auto agregar = [&](std::string_view, const std::vector<Posting>& ps) {
            for (const Posting& p : ps) {
                r.push_back(p.mfn);
            }
        };
        if (truncado) {
            d_.recorrer(clave, agregar);
        } else if (!clave.empty()) {
            agregar(clave, d_.postings(clave));
        }
        std::sort(r.begin(), r.end());
        r.erase(std::unique(r.begin(), r.end()), r.end());
        return r;
    }

    std::string_view t_;
    const Diccionario& d_;
    const CodigoPagina& c_;
    std::size_t i_ = 0;
};

} // namespace

std::vector<std::int32_t> buscarExpresion(std::string_view expresion,
                                          const Diccionario& diccionario,
                                          const CodigoPagina& codigo,
                                          const std::function<bool(std::int32_t)>& vivo) {
    if (recortar(expresion).empty()) {
        return {};
    }
    Mfns r = Evaluador(expresion, diccionario, codigo).todo();
    r.erase(std::remove_if(r.begin(), r.end(), [&](std::int32_t m) { return !vivo(m); }), r.end());
    return r;
}

} // namespace isis
