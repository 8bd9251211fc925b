#include "tools/escritor/invertido.h"

#include "core/error.h"
#include "tools/escritor/bytes_isis.h"

#include <algorithm>
#include <deque>
#include <span>

namespace escritor {

namespace {

using namespace bytes_isis;

constexpr int kEntradas = 10; // slots per node and leaf: twice the order 5
constexpr std::size_t kBloque = 512;
constexpr int kPalabras = 127; // words after a block's number

struct Direccion {
    std::int32_t bloque = 0;
    std::int32_t palabra = 0;
};

// The postings file, block by block. Lists are placed as a full inversion
// places them: a list header with its first posting never crosses a block,
// nor does a posting.
class Postings {
public:
    Postings() { abrirBloque(); }

    void saltarBloque() {
        ++actual_.bloque;
        actual_.palabra = 0;
        abrirBloque();
    }
    bool alComienzo() const { return actual_.bloque == 1 && actual_.palabra == 2; }

    // Writes one segment; returns its address.
    Direccion segmento(std::span<const Posting> ps, std::int32_t total) {
        if (actual_.palabra > kPalabras - 7) {
            saltarBloque();
        }
        const Direccion d = actual_;
        const auto n = static_cast<std::int32_t>(ps.size());
        for (std::int32_t v : {0, 0, total, n, n}) {
            poner(v);
        }
        for (const Posting& p : ps) {
            if (actual_.palabra >= kPalabras - 1) {
                saltarBloque();
            }
            const std::size_t o = desplazamiento(actual_);
            ponerBE(datos_, o, static_cast<std::uint32_t>(p.mfn), 3);
            ponerBE(datos_, o + 3, p.tag, 2);
            ponerBE(datos_, o + 5, p.ocurrencia, 1);
            ponerBE(datos_, o + 6, p.orden, 2);
            actual_.palabra += 2;
        }
        return d;
    }

    void enlazar(Direccion cabecera, Direccion siguiente) {
        const std::size_t o = desplazamiento(cabecera);
        ponerLE(datos_, o, static_cast<std::uint32_t>(siguiente.bloque), 4);
        ponerLE(datos_, o + 4, static_cast<std::uint32_t>(siguiente.palabra), 4);
    }

    std::string terminar() {
        // Block 1 opens with the next free position.
        ponerLE(datos_, 4, static_cast<std::uint32_t>(actual_.bloque), 4);
        ponerLE(datos_, 8, static_cast<std::uint32_t>(actual_.palabra), 4);
        return std::move(datos_);
    }

private:
    static std::size_t desplazamiento(Direccion d) {
        return static_cast<std::size_t>(d.bloque - 1) * kBloque + 4 +
               4 * static_cast<std::size_t>(d.palabra);
    }
    void abrirBloque() {
        datos_.resize(static_cast<std::size_t>(actual_.bloque) * kBloque, '\0');
        ponerLE(datos_, datos_.size() - kBloque, static_cast<std::uint32_t>(actual_.bloque), 4);
    }
    void poner(std::int32_t v) {
        ponerLE(datos_, desplazamiento(actual_), static_cast<std::uint32_t>(v), 4);
        ++actual_.palabra;
    }

    std::string datos_;
    Direccion actual_{1, 2};
};

struct Hoja {
    std::string clave;
    Direccion lista;
};

// One B*-tree: leaves in key order, then the nodes above them, numbered in
// the order a load that appends keys creates them (a full root splits into
// itself and a new sibling, and a new root is made above both).
class Arbol {
public:
    Arbol(int it, std::size_t largoClave, const FormaInvertido& forma)
        : it_(it), largo_(largoClave), forma_(forma) {}

    void construir(const std::vector<Hoja>& claves, ArchivosInvertidos& salida, std::string& hojas,
                   std::string& nodos) {
        const auto porHoja = static_cast<std::size_t>(forma_.clavesPorHoja);
        const std::size_t cuantas = (claves.size() + porHoja - 1) / porHoja;
        for (std::size_t h = 0; h < cuantas; ++h) {
            const auto primera = claves.begin() + static_cast<std::ptrdiff_t>(h * porHoja);
            const auto fin = claves.begin() + static_cast<std::ptrdiff_t>(
                                                  std::min(claves.size(), (h + 1) * porHoja));
            escribirHoja(hojas, static_cast<std::int32_t>(h + 1), primera, fin, h + 1 < cuantas);
            agregarEnNivel(0, primera->clave, -static_cast<std::int32_t>(h + 1));
        }
        for (std::size_t n = 0; n < nodos_.size(); ++n) {
            escribirNodo(nodos, static_cast<std::int32_t>(n + 1), nodos_[n]);
        }
        agregar16(salida.cnt, it_);
        for (int v : {5, 5, 15, 5}) {
            agregar16(salida.cnt, v);
        }
        agregar16(salida.cnt, static_cast<int>(niveles_.size()) - 1); // -1: empty tree
        agregar32(salida.cnt, niveles_.empty() ? 0 : niveles_.back());
        agregar32(salida.cnt, static_cast<std::int32_t>(nodos_.size()));
        agregar32(salida.cnt, static_cast<std::int32_t>(cuantas));
        agregar16(salida.cnt, 1);
    }

private:
    using Nodo = std::vector<std::pair<std::string, std::int32_t>>;

    void agregarEnNivel(std::size_t nivel, const std::string& clave, std::int32_t puntero) {
        if (nivel == niveles_.size()) {
            niveles_.push_back(nuevoNodo());
            nodo(niveles_[nivel]).emplace_back(std::string(largo_, ' '), puntero);
            return;
        }
        if (nodo(niveles_[nivel]).size() < static_cast<std::size_t>(forma_.entradasPorNodo)) {
            nodo(niveles_[nivel]).emplace_back(clave, puntero);
            return;
        }
        const std::int32_t lleno = niveles_[nivel];
        const std::int32_t hermano = nuevoNodo();
        niveles_[nivel] = hermano;
        nodo(hermano).emplace_back(clave, puntero);
        if (nivel + 1 == niveles_.size()) {
            agregarEnNivel(nivel + 1, clave, lleno); // the new root; its first key is blank
        }
        agregarEnNivel(nivel + 1, clave, hermano);
    }

    std::int32_t nuevoNodo() {
        nodos_.emplace_back();
        return static_cast<std::int32_t>(nodos_.size());
    }
    Nodo& nodo(std::int32_t numero) { return nodos_[static_cast<std::size_t>(numero - 1)]; }

    void cabecera(std::string& d, std::int32_t pos, std::size_t usadas) const {
        agregar32(d, pos);
        agregar16(d, static_cast<int>(usadas));
        agregar16(d, it_);
    }

    void escribirHoja(std::string& d, std::int32_t pos, std::vector<Hoja>::const_iterator desde,
                      std::vector<Hoja>::const_iterator hasta, bool hayOtra) const {
        cabecera(d, pos, static_cast<std::size_t>(hasta - desde));
        agregar32(d, hayOtra ? pos + 1 : 0);
        for (int i = 0; i < kEntradas; ++i, ++desde) {
            const bool usada = desde < hasta;
            d += usada ? desde->clave : std::string(largo_, ' ');
            agregar32(d, usada ? desde->lista.bloque : 0);
            agregar32(d, usada ? desde->lista.palabra : 0);
        }
    }

    void escribirNodo(std::string& d, std::int32_t pos, const Nodo& n) const {
        cabecera(d, pos, n.size());
        for (std::size_t i = 0; i < kEntradas; ++i) {
            d += i < n.size() ? n[i].first : std::string(largo_, ' ');
            agregar32(d, i < n.size() ? n[i].second : 0);
        }
    }

    int it_;
    std::size_t largo_;
    FormaInvertido forma_;
    std::vector<Nodo> nodos_;
    std::vector<std::int32_t> niveles_; // rightmost node of each level, leaves' parents first
};

void validar(const FormaInvertido& f) {
    if (f.clavesPorHoja < 1 || f.clavesPorHoja > kEntradas || f.entradasPorNodo < 2 ||
        f.entradasPorNodo > kEntradas || f.postingsPorSegmento < 0) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Forma de archivo invertido fuera de rango");
    }
}

} // namespace

ArchivosInvertidos construirInvertido(std::vector<EntradaInvertida> entradas,
                                      const FormaInvertido& forma) {
    validar(forma);
    std::vector<EntradaInvertida> arboles[2];
    for (EntradaInvertida& e : entradas) {
        if (e.clave.empty() || e.clave.size() > 30 || e.clave.back() == ' ') {
            throw core::Error(core::Error::ArgumentoInvalido, "Clave inválida: '" + e.clave + "'");
        }
        const std::size_t t = e.clave.size() <= 10 ? 0 : 1;
        e.clave.resize(t == 0 ? 10 : 30, ' ');
        arboles[t].push_back(std::move(e));
    }
    entradas.clear();

    Postings ifp;
    struct Continuacion {
        Direccion cabecera;
        std::vector<Posting> resto;
        std::int32_t total;
    };
    std::deque<Continuacion> continuaciones;
    std::vector<Hoja> hojas[2];
    std::vector<Posting> lista;
    for (std::size_t t = 0; t < 2; ++t) {
        auto& a = arboles[t];
        std::sort(a.begin(), a.end(), [](const EntradaInvertida& x, const EntradaInvertida& y) {
            return x.clave != y.clave ? x.clave < y.clave : x.posting < y.posting;
        });
        if (t == 1 && !a.empty() && !ifp.alComienzo()) {
            ifp.saltarBloque(); // the long keys' lists start on a block of their own
        }
        for (std::size_t i = 0; i < a.size();) {
            lista.clear();
            std::size_t j = i;
            for (; j < a.size() && a[j].clave == a[i].clave; ++j) {
                if (lista.empty() || !(lista.back() == a[j].posting)) {
                    lista.push_back(a[j].posting);
                }
            }
            const auto total = static_cast<std::int32_t>(lista.size());
            std::size_t primera = lista.size();
            if (forma.postingsPorSegmento > 0) {
                primera = std::min(primera, static_cast<std::size_t>(forma.postingsPorSegmento));
            }
            const Direccion d = ifp.segmento(std::span(lista).first(primera), total);
            if (primera < lista.size()) {
                continuaciones.push_back(
                    {d,
                     {lista.begin() + static_cast<std::ptrdiff_t>(primera), lista.end()},
                     total});
            }
            hojas[t].push_back({std::move(a[i].clave), d});
            i = j;
        }
    }
    while (!continuaciones.empty()) {
        Continuacion c = std::move(continuaciones.front());
        continuaciones.pop_front();
        const std::size_t n =
            std::min(c.resto.size(), static_cast<std::size_t>(forma.postingsPorSegmento));
        const Direccion d = ifp.segmento(std::span(c.resto).first(n), c.total);
        ifp.enlazar(c.cabecera, d);
        if (n < c.resto.size()) {
            continuaciones.push_back(
                {d, {c.resto.begin() + static_cast<std::ptrdiff_t>(n), c.resto.end()}, c.total});
        }
    }

    ArchivosInvertidos r;
    Arbol(1, 10, forma).construir(hojas[0], r, r.l01, r.n01);
    Arbol(2, 30, forma).construir(hojas[1], r, r.l02, r.n02);
    r.ifp = ifp.terminar();
    return r;
}

} // namespace escritor
