#include "isis/invertido.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace isis {

namespace {

constexpr std::uint64_t kBloque = 512;
constexpr int kEntradasPorRegistro = 10;

LectorBytes lector(const ArchivoMapeado& a) {
    return LectorBytes(a.datos(), a.nombre());
}

std::string rellenar(std::string_view clave, std::size_t largo) {
    std::string r(clave.substr(0, std::min(clave.size(), largo)));
    r.resize(largo, ' ');
    return r;
}

std::string_view sinBlancosFinales(std::string_view s) {
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// Record sizes of tree `numero` (1 or 2) in one layout.
struct Tamanos {
    std::size_t largoClave, entradaNodo, registroNodo, entradaHoja, registroHoja;
};
Tamanos tamanos(int numero, bool alineado) {
    const std::size_t le = numero == 1 ? 10 : 30;
    const std::size_t relleno = alineado ? 2 : 0;
    const std::size_t en = le + relleno + 4;
    const std::size_t eh = le + relleno + 8;
    return {le, en, 8 + kEntradasPorRegistro * en, eh, 12 + kEntradasPorRegistro * eh};
}

// Every record of the file carries its own number first.
bool numerados(const ArchivoMapeado& a, std::size_t registro) {
    if (a.tamano() % registro != 0) {
        return false;
    }
    const LectorBytes l = lector(a);
    const std::size_t n = a.tamano() / registro;
    for (std::size_t i = 0; i < n; ++i) {
        if (l.i32(i * registro) != static_cast<std::int64_t>(i) + 1) {
            return false;
        }
    }
    return true;
}

// Where node or leaf `n` starts and how many entries it uses, checking that
// it exists, carries its own number and uses 0 to 10 entries.
std::pair<std::uint64_t, int> registro(const LectorBytes& l, const char* que, std::int32_t n,
                                       std::int64_t cantidad, std::size_t tamano) {
    const auto nombre = [&] { return std::string(que) + " " + std::to_string(n); };
    if (n < 1 || n > cantidad) {
        l.danado("no tiene " + nombre());
    }
    const std::uint64_t r = static_cast<std::uint64_t>(n - 1) * tamano;
    if (l.i32(r) != n) {
        l.danado(nombre() + " lleva otro número");
    }
    const std::int16_t ock = l.i16(r + 4);
    if (ock < 0 || ock > kEntradasPorRegistro) {
        l.danado(nombre() + " tiene " + std::to_string(ock) + " entradas");
    }
    return {r, ock};
}

} // namespace

std::unique_ptr<ArchivoInvertido> ArchivoInvertido::abrir(const std::string& ruta) {
    const auto n01 = archivoDeBase(ruta, ".N01");
    const auto l01 = archivoDeBase(ruta, ".L01");
    const auto n02 = archivoDeBase(ruta, ".N02");
    const auto l02 = archivoDeBase(ruta, ".L02");
    const auto ifp = archivoDeBase(ruta, ".IFP");
    if (!n01 || !l01 || !n02 || !l02 || !ifp) {
        return nullptr;
    }
    Archivos a{std::nullopt,
               ArchivoMapeado::abrir(*n01),
               ArchivoMapeado::abrir(*l01),
               ArchivoMapeado::abrir(*n02),
               ArchivoMapeado::abrir(*l02),
               ArchivoMapeado::abrir(*ifp)};
    if (const auto cnt = archivoDeBase(ruta, ".CNT")) {
        a.cnt = ArchivoMapeado::abrir(*cnt);
    }
    return std::make_unique<ArchivoInvertido>(std::move(a));
}

ArchivoInvertido::ArchivoInvertido(Archivos archivos) : archivos_(std::move(archivos)) {
    if (archivos_.cnt) {
        const std::size_t t = archivos_.cnt->tamano();
        if (t != 52 && t != 56) {
            lector(*archivos_.cnt).danado("mide " + std::to_string(t) + " bytes");
        }
        alineado_ = t == 56;
    } else {
        // Without control records the layout is the one whose record sizes
        // fit the files and whose records carry their own numbers.
        const auto encaja = [&](bool alineado) {
            const Tamanos t1 = tamanos(1, alineado);
            const Tamanos t2 = tamanos(2, alineado);
            return numerados(archivos_.n01, t1.registroNodo) &&
                   numerados(archivos_.l01, t1.registroHoja) &&
                   numerados(archivos_.n02, t2.registroNodo) &&
                   numerados(archivos_.l02, t2.registroHoja);
        };
        if (encaja(false)) {
            alineado_ = false;
        } else if (encaja(true)) {
            alineado_ = true;
        } else {
            lector(archivos_.n01).danado("sus registros no forman un árbol de claves");
        }
    }
    prepararArbol(arboles_[0], 1, archivos_.n01, archivos_.l01);
    prepararArbol(arboles_[1], 2, archivos_.n02, archivos_.l02);
}

void ArchivoInvertido::prepararArbol(Arbol& a, int numero, const ArchivoMapeado& nodos,
                                     const ArchivoMapeado& hojas) const {
    const Tamanos t = tamanos(numero, alineado_);
    a.nodos = &nodos;
    a.hojas = &hojas;
    a.largoClave = t.largoClave;
    a.registroNodo = t.registroNodo;
    a.entradaNodo = t.entradaNodo;
    a.registroHoja = t.registroHoja;
    a.entradaHoja = t.entradaHoja;
    a.cantidadNodos = static_cast<std::int64_t>(nodos.tamano() / t.registroNodo);
    a.cantidadHojas = static_cast<std::int64_t>(hojas.tamano() / t.registroHoja);
    // A tree has nodes and leaves, or neither; the control record, when there
    // is one, says which. Anything else is a file emptied or lost, whose keys
    // would silently be missing.
    bool vacio = a.cantidadHojas == 0 && a.cantidadNodos == 0;
    if (archivos_.cnt) {
        const LectorBytes l = lector(*archivos_.cnt);
        const std::uint64_t r = static_cast<std::uint64_t>(numero - 1) * (alineado_ ? 28 : 26);
        const std::int16_t niveles = l.i16(r + 10);
        vacio = niveles < 0;
        a.raiz = vacio ? 0 : l.i32(r + 12);
    }
    if (vacio) {
        a.raiz = 0;
        return;
    }
    if (a.cantidadNodos == 0) {
        lector(nodos).danado("no tiene nodos, pero el árbol de claves no está vacío");
    }
    if (a.cantidadHojas == 0) {
        lector(hojas).danado("no tiene hojas, pero el árbol de claves no está vacío");
    }
    if (!archivos_.cnt) {
        a.raiz = buscarRaiz(a);
    }
    if (a.raiz < 0 || a.raiz > a.cantidadNodos) {
        lector(nodos).danado("la raíz " + std::to_string(a.raiz) + " no existe");
    }
}

std::int32_t ArchivoInvertido::buscarRaiz(const Arbol& a) const {
    const LectorBytes l = lector(*a.nodos);
    std::set<std::int32_t> apuntados;
    for (std::int64_t n = 0; n < a.cantidadNodos; ++n) {
        const std::uint64_t r = static_cast<std::uint64_t>(n) * a.registroNodo;
        const std::int16_t ock = std::clamp<std::int16_t>(l.i16(r + 4), 0, kEntradasPorRegistro);
        for (int e = 0; e < ock; ++e) {
            const std::int32_t punt =
                l.i32(r + 8 + static_cast<std::uint64_t>(e) * a.entradaNodo + a.entradaNodo - 4);
            if (punt > 0) {
                apuntados.insert(punt);
            }
        }
    }
    for (std::int32_t n = 1; n <= a.cantidadNodos; ++n) {
        if (apuntados.count(n) == 0) {
            return n;
        }
    }
    l.danado("todos sus nodos están apuntados: no hay raíz");
}

std::int32_t ArchivoInvertido::hojaDe(const Arbol& a, std::string_view clave) const {
    if (a.raiz == 0) {
        return 0;
    }
    const LectorBytes l = lector(*a.nodos);
    std::int32_t nodo = a.raiz;
    // A sound tree is never deeper than its node count.
    for (std::int64_t paso = 0; paso <= a.cantidadNodos; ++paso) {
        const auto [r, ock] = registro(l, "el nodo", nodo, a.cantidadNodos, a.registroNodo);
        if (ock == 0) {
            l.danado("el nodo " + std::to_string(nodo) + " está vacío");
        }
        std::int32_t elegido = 0;
        for (int e = 0; e < ock; ++e) {
            const std::uint64_t p = r + 8 + static_cast<std::uint64_t>(e) * a.entradaNodo;
            if (e > 0 &&
                std::memcmp(l.trozo(p, a.largoClave).data(), clave.data(), a.largoClave) > 0) {
                break;
            }
            elegido = l.i32(p + a.entradaNodo - 4);
        }
        if (elegido < 0) {
            return -elegido;
        }
        if (elegido == 0) {
            l.danado("el nodo " + std::to_string(nodo) + " tiene una entrada vacía");
        }
        nodo = elegido;
    }
    l.danado("sus nodos forman un ciclo");
}

std::int32_t ArchivoInvertido::siguienteHoja(const Arbol& a, std::int32_t hoja,
                                             std::vector<Entrada>& entradas) const {
    const LectorBytes l = lector(*a.hojas);
    const auto [r, ock] = registro(l, "la hoja", hoja, a.cantidadHojas, a.registroHoja);
    entradas.clear();
    for (int e = 0; e < ock; ++e) {
        const std::uint64_t p = r + 12 + static_cast<std::uint64_t>(e) * a.entradaHoja;
        entradas.push_back(Entrada{l.trozo(p, a.largoClave), l.i32(p + a.entradaHoja - 8),
                                   l.i32(p + a.entradaHoja - 4)});
    }
    return l.i32(r + 8);
}

std::vector<Posting> ArchivoInvertido::postings(std::string_view clave) const {
    clave = sinBlancosFinales(clave.substr(0, std::min(clave.size(), kLargoMaximoClave)));
    if (clave.empty()) {
        return {};
    }
    const Arbol& a = arboles_[clave.size() <= 10 ? 0 : 1];
    const std::string buscada = rellenar(clave, a.largoClave);
    std::int32_t hoja = hojaDe(a, buscada);
    std::vector<Entrada> entradas;
    for (std::int64_t paso = 0; hoja != 0 && paso <= a.cantidadHojas; ++paso) {
        const std::int32_t siguiente = siguienteHoja(a, hoja, entradas);
        for (const Entrada& e : entradas) {
            const int c = std::memcmp(e.clave.data(), buscada.data(), a.largoClave);
            if (c == 0) {
                return leerPostings(e.bloque, e.palabra);
            }
            if (c > 0) {
                return {};
            }
        }
        hoja = siguiente;
    }
    return {};
}

void ArchivoInvertido::recorrer(std::string_view prefijo, const Visita& visita) const {
    prefijo = prefijo.substr(0, std::min(prefijo.size(), kLargoMaximoClave));
    // Keys of up to 10 bytes are in tree 1, longer ones in tree 2: a prefix
    // of up to 10 bytes may start keys of both.
    if (prefijo.size() <= 10) {
        recorrerArbol(arboles_[0], prefijo, visita);
    }
    recorrerArbol(arboles_[1], prefijo, visita);
}

void ArchivoInvertido::recorrerArbol(const Arbol& a, std::string_view prefijo,
                                     const Visita& visita) const {
    std::int32_t hoja = hojaDe(a, rellenar(prefijo, a.largoClave));
    std::vector<Entrada> entradas;
    for (std::int64_t paso = 0; hoja != 0 && paso <= a.cantidadHojas; ++paso) {
        const std::int32_t siguiente = siguienteHoja(a, hoja, entradas);
        for (const Entrada& e : entradas) {
            const std::string_view inicio = e.clave.substr(0, prefijo.size());
            if (inicio < prefijo) {
                continue;
            }
            if (inicio > prefijo) {
                return;
            }
            const std::string_view clave = sinBlancosFinales(e.clave);
            if (!clave.empty()) {
                visita(clave, leerPostings(e.bloque, e.palabra));
            }
        }
        hoja = siguiente;
    }
}

std::vector<Posting> ArchivoInvertido::leerPostings(std::int32_t bloque,
                                                    std::int32_t palabra) const {
    const LectorBytes l = lector(archivos_.ifp);
    const std::int64_t bloques = static_cast<std::int64_t>(archivos_.ifp.tamano() / kBloque);
    const auto exigirBloque = [&](std::int32_t b) {
        if (b < 1 || b > bloques || l.i32(static_cast<std::uint64_t>(b - 1) * kBloque) != b) {
            l.danado("no tiene el bloque " + std::to_string(b));
        }
    };
    const auto lugar = [](std::int32_t b, std::int32_t w) {
        return static_cast<std::uint64_t>(b - 1) * kBloque + 4 + 4 * static_cast<std::uint64_t>(w);
    };
    std::vector<Posting> r;
    std::int64_t total = -1;
    // Each segment holds at least one posting, so a list has no more
    // segments than the file has postings.
    for (std::int64_t segmentos = 0; bloque != 0; ++segmentos) {
        exigirBloque(bloque);
        if (palabra < 0 || palabra + 5 > 127 || segmentos > bloques * 64) {
            l.danado("lista de postings en la palabra " + std::to_string(palabra));
        }
        const std::int32_t proximoBloque = l.i32(lugar(bloque, palabra));
        const std::int32_t proximaPalabra = l.i32(lugar(bloque, palabra + 1));
        const std::int32_t enSegmento = l.i32(lugar(bloque, palabra + 3));
        if (total < 0) {
            total = l.i32(lugar(bloque, palabra + 2));
            if (total < 0 || total > bloques * 64) {
                l.danado("una clave dice tener " + std::to_string(total) + " postings");
            }
            r.reserve(static_cast<std::size_t>(total));
        }
        if (enSegmento < 0 || static_cast<std::int64_t>(r.size()) + enSegmento > total) {
            l.danado("un segmento de postings excede el total de su clave");
        }
        palabra += 5;
        for (std::int32_t i = 0; i < enSegmento; ++i) {
            if (palabra >= 126) {
                ++bloque;
                palabra = 0;
                exigirBloque(bloque);
            }
            const std::uint64_t p = lugar(bloque, palabra);
            r.push_back(Posting{static_cast<std::int32_t>(l.alto(p, 3)),
                                static_cast<std::int32_t>(l.alto(p + 3, 2)),
                                static_cast<std::int32_t>(l.alto(p + 5, 1)),
                                static_cast<std::int32_t>(l.alto(p + 6, 2))});
            palabra += 2;
        }
        if (enSegmento == 0 && proximoBloque != 0) {
            l.danado("un segmento de postings vacío encadena otro");
        }
        bloque = proximoBloque;
        palabra = proximaPalabra;
    }
    if (static_cast<std::int64_t>(r.size()) != total) {
        l.danado("una clave tiene menos postings que los que declara");
    }
    return r;
}

} // namespace isis
