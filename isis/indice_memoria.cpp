#include "isis/indice_memoria.h"

#include "core/error.h"
#include "isis/clave.h"
#include "isis/formato.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace isis {

namespace {

struct LineaFst {
    int id = 0;
    int tecnica = 0;
    Formato formato;
};

std::vector<LineaFst> leerFst(std::string_view fst, const std::string& nombre) {
    std::vector<LineaFst> r;
    std::istringstream entrada{std::string(fst)};
    std::string linea;
    int numero = 0;
    while (std::getline(entrada, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        std::istringstream partes(linea);
        std::string id;
        std::string tecnica;
        if (!(partes >> id)) {
            continue; // blank line
        }
        std::string formato;
        std::getline(partes >> tecnica, formato);
        try {
            const int t = std::stoi(tecnica);
            if (t < 0 || t > 8) {
                throw std::invalid_argument("técnica");
            }
            r.push_back(LineaFst{std::stoi(id), t, Formato(formato)});
        } catch (const core::Error& e) {
            throw core::Error(core::Error::ErrorIsis, "La tabla " + nombre + ", línea " +
                                                          std::to_string(numero) + ": " +
                                                          e.descripcion());
        } catch (const std::logic_error&) {
            throw core::Error(core::Error::ErrorIsis,
                              "La tabla " + nombre + ", línea " + std::to_string(numero) +
                                  ": se esperaba «identificador técnica formato»");
        }
    }
    return r;
}

// The pieces technique 0-3 takes from one output line.
std::vector<std::string> piezas(int tecnica, std::string_view linea) {
    std::vector<std::string> r;
    if (tecnica == 0) {
        r.emplace_back(linea);
    } else if (tecnica == 1) {
        std::size_t i = 0;
        if (linea.size() >= 2 && linea[0] == '^') {
            i = 2;
        }
        while (i <= linea.size()) {
            const std::size_t f = std::min(linea.find('^', i), linea.size());
            r.emplace_back(linea.substr(i, f - i));
            i = f + 2;
        }
    } else {
        const char abre = tecnica == 2 ? '<' : '/';
        const char cierra = tecnica == 2 ? '>' : '/';
        for (std::size_t i = linea.find(abre); i != std::string_view::npos;
             i = linea.find(abre, i)) {
            const std::size_t f = linea.find(cierra, i + 1);
            if (f == std::string_view::npos) {
                break;
            }
            r.emplace_back(linea.substr(i + 1, f - i - 1));
            i = f + 1;
        }
    }
    return r;
}

} // namespace

IndiceMemoria::IndiceMemoria(const ArchivoMaestro& maestro, const CodigoPagina& codigo,
                             std::string_view fst, std::string_view palabrasVacias,
                             const std::string& nombreFst) {
    const std::vector<LineaFst> lineas = leerFst(fst, nombreFst);
    std::set<std::string, std::less<>> vacias;
    std::istringstream stw{std::string(palabrasVacias)};
    for (std::string w; stw >> w;) {
        vacias.insert(codigo.mayusculas(w));
    }
    Registro r;
    for (std::int32_t mfn = 1; mfn < maestro.siguienteMfn(); ++mfn) {
        maestro.leer(mfn, r);
        if (r.borrado) {
            continue;
        }
        for (const LineaFst& l : lineas) {
            std::string salida = l.formato.aplicar(r, codigo);
            std::string prefijo;
            if (l.tecnica >= 5 && !salida.empty()) {
                const std::size_t f = salida.find(salida[0], 1);
                prefijo = salida.substr(1, f == std::string::npos ? std::string::npos : f - 1);
                salida.erase(0, f == std::string::npos ? salida.size() : f + 1);
            }
            const int tecnica = l.tecnica >= 5 ? l.tecnica - 4 : l.tecnica;
            std::int32_t contador = 0;
            const auto agregar = [&](std::string_view texto) {
                ++contador;
                std::string k = normalizarClave(texto, codigo, prefijo);
                if (!k.empty()) {
                    claves_[std::move(k)].push_back(Posting{mfn, l.id, 1, contador});
                }
            };
            std::istringstream lineasSalida(salida);
            for (std::string linea; std::getline(lineasSalida, linea);) {
                if (!linea.empty() && linea.back() == '\r') {
                    linea.pop_back();
                }
                if (tecnica != 4) {
                    for (const std::string& p : piezas(tecnica, linea)) {
                        agregar(p);
                    }
                    continue;
                }
                for (std::size_t i = 0; i < linea.size();) {
                    if (!codigo.esLetra(static_cast<unsigned char>(linea[i]))) {
                        ++i;
                        continue;
                    }
                    std::size_t f = i;
                    while (f < linea.size() &&
                           codigo.esLetra(static_cast<unsigned char>(linea[f]))) {
                        ++f;
                    }
                    const std::string palabra = codigo.mayusculas(linea.substr(i, f - i));
                    if (palabra.size() <= 10 && vacias.count(palabra) != 0) {
                        ++contador;
                    } else {
                        agregar(palabra);
                    }
                    i = f;
                }
            }
        }
    }
    for (auto& [k, lista] : claves_) {
        std::sort(lista.begin(), lista.end(), [](const Posting& a, const Posting& b) {
            return std::tie(a.mfn, a.tag, a.ocurrencia, a.contador) <
                   std::tie(b.mfn, b.tag, b.ocurrencia, b.contador);
        });
    }
}

std::vector<Posting> IndiceMemoria::postings(std::string_view k) const {
    const auto it = claves_.find(k);
    return it == claves_.end() ? std::vector<Posting>{} : it->second;
}

void IndiceMemoria::recorrer(std::string_view prefijo, const Visita& visita) const {
    for (auto it = claves_.lower_bound(prefijo);
         it != claves_.end() && std::string_view(it->first).starts_with(prefijo); ++it) {
        visita(it->first, it->second);
    }
}

} // namespace isis
