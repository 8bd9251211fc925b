#include "tools/escritor/fst.h"

#include <cctype>

namespace escritor {

namespace {

// The text of the first subfield `codigo` (either case), up to the next '^'.
std::string_view subcampo(std::string_view campo, char codigo) {
    for (std::size_t i = 0; i + 1 < campo.size(); ++i) {
        if (campo[i] == '^' && std::tolower(static_cast<unsigned char>(campo[i + 1])) ==
                                   std::tolower(static_cast<unsigned char>(codigo))) {
            const std::size_t inicio = i + 2;
            const std::size_t fin = campo.find('^', inicio);
            return campo.substr(inicio, fin == std::string_view::npos ? fin : fin - inicio);
        }
    }
    return {};
}

// Heading mode, which the written field-select lines ask for: subfield
// marks become punctuation and the angle brackets of filing marks go.
std::string modoEncabezado(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '^' && i + 1 < s.size()) {
            const char codigo = static_cast<char>(std::tolower(static_cast<unsigned char>(s[++i])));
            if (i > 1) {
                r += codigo == 'a' ? "; " : (codigo >= 'b' && codigo <= 'i') ? ", " : ". ";
            }
        } else if (c == '>' && i + 1 < s.size() && s[i + 1] == '<') {
            r += "; ";
            ++i;
        } else if (c != '<' && c != '>') {
            r += c;
        }
    }
    return r;
}

} // namespace

std::string textoFst(const LineaFst& l) {
    std::string campo = "v" + std::to_string(l.tag);
    if (l.subcampo != 0) {
        campo += std::string("^") + l.subcampo;
    }
    const std::string id = std::to_string(l.id);
    if (l.tecnica == Tecnica::Palabras) {
        return l.prefijo.empty() ? id + " 4 MHU,(" + campo + "/)"
                                 : id + " 8 '/" + l.prefijo + "/',MHU,(" + campo + "/)";
    }
    const std::string prefijo = l.prefijo.empty() ? "" : "|" + l.prefijo + "|";
    return id + " 0 MHU,(" + prefijo + campo + "/)";
}

std::string normalizarClave(std::string_view prefijo, std::string_view texto,
                            PaginaEscrita codigo) {
    std::size_t inicio = 0;
    std::size_t fin = texto.size();
    const auto blanco = [&](std::size_t k) { return static_cast<unsigned char>(texto[k]) <= 0x20; };
    while (inicio < fin && blanco(inicio)) {
        ++inicio;
    }
    while (fin > inicio && blanco(fin - 1)) {
        --fin;
    }
    std::string clave(prefijo);
    clave.append(texto.substr(inicio, fin - inicio));
    for (char& c : clave) {
        const auto b = static_cast<unsigned char>(c);
        c = static_cast<char>(b < 0x20 ? ' ' : mayusculaIsis(b, codigo));
    }
    if (clave.size() > 30) {
        clave.resize(30);
    }
    while (!clave.empty() && clave.back() == ' ') {
        clave.pop_back();
    }
    return clave;
}

void clavesDeLinea(const LineaFst& linea, std::int32_t mfn, const std::vector<CampoCrudo>& campos,
                   PaginaEscrita codigo, const std::function<void(EntradaInvertida)>& destino) {
    const std::string prefijo = codificar(linea.prefijo, codigo);
    std::uint16_t orden = 0;
    const auto emitir = [&](std::string_view texto) {
        ++orden;
        std::string clave = normalizarClave(prefijo, texto, codigo);
        if (!clave.empty()) {
            destino({std::move(clave), {mfn, static_cast<std::uint16_t>(linea.id), 1, orden}});
        }
    };
    for (const CampoCrudo& c : campos) {
        if (c.tag != linea.tag) {
            continue;
        }
        const std::string texto =
            modoEncabezado(linea.subcampo != 0 ? subcampo(c.texto, linea.subcampo) : c.texto);
        if (texto.empty()) {
            continue; // an empty occurrence prints nothing, so it makes no key
        }
        if (linea.tecnica == Tecnica::Linea) {
            emitir(texto);
            continue;
        }
        for (std::size_t i = 0; i < texto.size();) {
            if (!letraIsis(static_cast<unsigned char>(texto[i]), codigo)) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < texto.size() && letraIsis(static_cast<unsigned char>(texto[j]), codigo)) {
                ++j;
            }
            emitir(std::string_view(texto).substr(i, j - i));
            i = j;
        }
    }
}

} // namespace escritor
