#include "tests/escritor/lector_crudo.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace crudo {

namespace {

[[noreturn]] void falla(const std::string& que) {
    throw std::runtime_error(que);
}

void exigir(bool condicion, const std::string& que) {
    if (!condicion) {
        falla(que);
    }
}

// Real databases mix the case of their extensions.
std::string archivo(const std::string& rutaSinExtension, const std::string& extension) {
    namespace fs = std::filesystem;
    const fs::path base(rutaSinExtension);
    std::string buscado = base.filename().string() + extension;
    std::transform(buscado.begin(), buscado.end(), buscado.begin(), ::toupper);
    for (const auto& e : fs::directory_iterator(base.parent_path())) {
        std::string nombre = e.path().filename().string();
        std::transform(nombre.begin(), nombre.end(), nombre.begin(), ::toupper);
        if (nombre == buscado) {
            return leerArchivo(e.path().string());
        }
    }
    falla("falta " + rutaSinExtension + extension);
}

std::int32_t be(const std::string& d, std::size_t pos, int ancho) {
    std::int32_t v = 0;
    for (int i = 0; i < ancho; ++i) {
        v = (v << 8) | static_cast<unsigned char>(d[pos + static_cast<std::size_t>(i)]);
    }
    return v;
}

class Arbol {
public:
    Arbol(int t, const std::string& cnt, const std::string& nodos, const std::string& hojas,
          const std::string& ifp, std::vector<char>& usadas, Invertido& salida)
        : t_(t), largo_(t == 1 ? 10 : 30), nodos_(nodos), hojas_(hojas), ifp_(ifp), usadas_(usadas),
          salida_(salida) {
        const std::size_t c = static_cast<std::size_t>(t - 1) * 26;
        exigir(le16(cnt, c) == t && le16(cnt, c + 2) == 5 && le16(cnt, c + 4) == 5,
               "registro de control del árbol " + std::to_string(t));
        liv_ = le16(cnt, c + 10);
        raiz_ = le32(cnt, c + 12);
        const std::int32_t cuantosNodos = le32(cnt, c + 16);
        cuantasHojas_ = le32(cnt, c + 20);
        exigir(nodos.size() == static_cast<std::size_t>(cuantosNodos) * tamNodo() &&
                   hojas.size() == static_cast<std::size_t>(cuantasHojas_) * tamHoja(),
               "tamaño de .N0x/.L0x del árbol " + std::to_string(t));
        salida.niveles[t - 1] = liv_;
        salida.hojas[t - 1] = cuantasHojas_;
    }

    void recorrer() {
        if (liv_ == -1) {
            exigir(cuantasHojas_ == 0, "árbol vacío con hojas");
            return;
        }
        nodo(raiz_, 0, true);
        exigir(static_cast<std::int32_t>(orden_.size()) == cuantasHojas_,
               "hojas sin alcanzar desde la raíz");
        std::int32_t h = orden_.front();
        for (std::size_t i = 0; i < orden_.size(); ++i) {
            exigir(h == orden_[i], "la cadena de hojas no sigue el orden del árbol");
            h = hoja(h);
        }
        exigir(h == 0, "la última hoja no cierra la cadena");
    }

private:
    std::size_t tamNodo() const { return 8 + 10 * (largo_ + 4); }
    std::size_t tamHoja() const { return 12 + 10 * (largo_ + 8); }

    void cabecera(const std::string& d, std::size_t o, std::int32_t n) const {
        exigir(le32(d, o) == n && le16(d, o + 6) == t_,
               "número o árbol del registro " + std::to_string(n));
        const int ock = le16(d, o + 4);
        exigir(ock >= 1 && ock <= 10, "entradas en uso del registro " + std::to_string(n));
    }

    // Returns the first key below node n.
    std::string nodo(std::int32_t n, int nivel, bool izquierdo) {
        exigir(n >= 1 && static_cast<std::size_t>(n) * tamNodo() <= nodos_.size(),
               "nodo fuera del archivo: " + std::to_string(n));
        const std::size_t o = static_cast<std::size_t>(n - 1) * tamNodo();
        cabecera(nodos_, o, n);
        const int ock = le16(nodos_, o + 4);
        std::string primera;
        for (int i = 0; i < 10; ++i) {
            const std::size_t e = o + 8 + static_cast<std::size_t>(i) * (largo_ + 4);
            const std::string clave = nodos_.substr(e, largo_);
            const std::int32_t p = le32(nodos_, e + largo_);
            if (i >= ock) {
                exigir(p == 0, "entrada libre con puntero en el nodo " + std::to_string(n));
                continue;
            }
            std::string debajo;
            if (nivel < liv_) {
                exigir(p > 0, "el nodo " + std::to_string(n) + " debe apuntar a nodos");
                debajo = nodo(p, nivel + 1, izquierdo && i == 0);
            } else {
                exigir(p < 0, "el nodo " + std::to_string(n) + " debe apuntar a hojas");
                orden_.push_back(-p);
                debajo = primeraDeHoja(-p);
            }
            const bool blancaPermitida = izquierdo && i == 0 && clave == std::string(largo_, ' ');
            exigir(blancaPermitida || clave == debajo,
                   "la clave del nodo " + std::to_string(n) + " no es la primera de su rama");
            if (i == 0) {
                primera = debajo;
            }
        }
        return primera;
    }

    std::string primeraDeHoja(std::int32_t h) const {
        exigir(h >= 1 && h <= cuantasHojas_, "hoja fuera del archivo: " + std::to_string(h));
        return hojas_.substr(static_cast<std::size_t>(h - 1) * tamHoja() + 12, largo_);
    }

    // Reads leaf h; returns the next leaf.
    std::int32_t hoja(std::int32_t h) {
        const std::size_t o = static_cast<std::size_t>(h - 1) * tamHoja();
        cabecera(hojas_, o, h);
        const int ock = le16(hojas_, o + 4);
        for (int i = 0; i < ock; ++i) {
            const std::size_t e = o + 12 + static_cast<std::size_t>(i) * (largo_ + 8);
            std::string clave = hojas_.substr(e, largo_);
            exigir(anterior_.empty() || clave > anterior_, "claves fuera de orden: " + clave);
            anterior_ = clave;
            clave.erase(clave.find_last_not_of(' ') + 1);
            exigir(!clave.empty() && (t_ == 1 || clave.size() > 10),
                   "clave en el árbol equivocado: " + clave);
            salida_.claves.emplace_back(
                clave, lista(le32(hojas_, e + largo_), le32(hojas_, e + largo_ + 4)));
        }
        return le32(hojas_, o + 8);
    }

    std::size_t palabra(std::int32_t b, std::int32_t w) {
        exigir(b >= 1 && w >= 0 && w < 127, "dirección de lista inválida");
        const std::size_t o = static_cast<std::size_t>(b - 1) * 512;
        exigir(o + 512 <= ifp_.size() && le32(ifp_, o) == b,
               "bloque de postings " + std::to_string(b));
        const std::size_t indice =
            static_cast<std::size_t>(b - 1) * 127 + static_cast<std::size_t>(w);
        exigir(!usadas_[indice], "dos listas comparten la palabra " + std::to_string(w) +
                                     " del bloque " + std::to_string(b));
        usadas_[indice] = 1;
        return o + 4 + 4 * static_cast<std::size_t>(w);
    }

    std::vector<escritor::Posting> lista(std::int32_t b, std::int32_t w) {
        std::vector<escritor::Posting> r;
        std::int32_t total = -1;
        while (true) {
            exigir(w <= 120, "una lista empieza tras la palabra 120");
            std::int32_t cab[5];
            for (std::int32_t k = 0; k < 5; ++k) {
                cab[k] = le32(ifp_, palabra(b, w + k));
            }
            total = total < 0 ? cab[2] : total;
            exigir(cab[3] >= 1 && cab[3] <= cab[4], "segmento de postings mal contado");
            w += 5;
            for (std::int32_t k = 0; k < cab[3]; ++k) {
                if (w >= 126) {
                    ++b;
                    w = 0;
                }
                const std::size_t o = palabra(b, w);
                palabra(b, w + 1);
                escritor::Posting p{be(ifp_, o, 3), static_cast<std::uint16_t>(be(ifp_, o + 3, 2)),
                                    static_cast<std::uint8_t>(be(ifp_, o + 5, 1)),
                                    static_cast<std::uint16_t>(be(ifp_, o + 6, 2))};
                exigir(r.empty() || r.back() < p, "postings fuera de orden");
                r.push_back(p);
                w += 2;
            }
            if (cab[0] == 0) {
                break;
            }
            ++salida_.segmentosEncadenados;
            b = cab[0];
            w = cab[1];
        }
        exigir(static_cast<std::int32_t>(r.size()) == total, "total de postings distinto");
        return r;
    }

    int t_;
    std::size_t largo_;
    const std::string& nodos_;
    const std::string& hojas_;
    const std::string& ifp_;
    std::vector<char>& usadas_;
    Invertido& salida_;
    int liv_ = -1;
    std::int32_t raiz_ = 0;
    std::int32_t cuantasHojas_ = 0;
    std::vector<std::int32_t> orden_;
    std::string anterior_;
};

} // namespace

std::string leerArchivo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    exigir(static_cast<bool>(f), "no se puede abrir " + ruta);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::int32_t le32(const std::string& d, std::size_t pos) {
    exigir(pos + 4 <= d.size(), "lectura fuera del archivo");
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(d[pos + static_cast<std::size_t>(i)]);
    }
    return static_cast<std::int32_t>(v);
}

int le16(const std::string& d, std::size_t pos) {
    exigir(pos + 2 <= d.size(), "lectura fuera del archivo");
    const int v = static_cast<unsigned char>(d[pos]) | static_cast<unsigned char>(d[pos + 1]) << 8;
    return v >= 0x8000 ? v - 0x10000 : v;
}

Copia copiaEn(const std::string& mst, std::int64_t posicion) {
    const auto o = static_cast<std::size_t>(posicion);
    exigir(o % 2 == 0 && o % 512 <= 498 && o >= 64, "inicio de registro indebido");
    Copia c;
    c.posicion = posicion;
    c.mfn = le32(mst, o);
    c.mfrl = le16(mst, o + 4);
    c.atrasBloque = le32(mst, o + 6);
    c.atrasDesplazamiento = le16(mst, o + 10) & 0xFFFF;
    const int base = le16(mst, o + 12);
    const int nvf = le16(mst, o + 14);
    c.estado = le16(mst, o + 16);
    const int largo = std::abs(c.mfrl);
    exigir(largo % 2 == 0 && base == 18 + 6 * nvf && largo >= base &&
               o + static_cast<std::size_t>(largo) <= mst.size(),
           "líder del registro " + std::to_string(c.mfn));
    int esperada = 0;
    for (int i = 0; i < nvf; ++i) {
        const std::size_t e = o + 18 + 6 * static_cast<std::size_t>(i);
        const int tag = le16(mst, e) & 0xFFFF;
        const int pos = le16(mst, e + 2) & 0xFFFF;
        const int len = le16(mst, e + 4) & 0xFFFF;
        exigir(pos == esperada && base + pos + len <= largo,
               "directorio del registro " + std::to_string(c.mfn));
        esperada += len;
        c.campos.push_back({tag, mst.substr(o + static_cast<std::size_t>(base + pos),
                                            static_cast<std::size_t>(len))});
    }
    exigir(largo - base - esperada <= 1, "relleno de más en el registro " + std::to_string(c.mfn));
    return c;
}

Maestro leerMaestro(const std::string& ruta, const std::string& extMst, const std::string& extXrf) {
    Maestro m;
    m.mst = archivo(ruta, extMst);
    const std::string xrf = archivo(ruta, extXrf);
    exigir(m.mst.size() % 512 == 0 && !m.mst.empty() && le32(m.mst, 0) == 0, "registro de control");
    m.siguienteMfn = le32(m.mst, 4);
    const std::int64_t libre =
        (le32(m.mst, 8) - 1) * std::int64_t{512} + (le16(m.mst, 12) & 0xFFFF) - 1;
    exigir(libre >= 64 && libre <= static_cast<std::int64_t>(m.mst.size()),
           "primer byte libre fuera del archivo");
    exigir(xrf.size() % 512 == 0 && !xrf.empty(), "tamaño del .XRF");
    const std::size_t bloques = xrf.size() / 512;
    for (std::size_t b = 0; b < bloques; ++b) {
        const auto n = static_cast<std::int32_t>(b + 1);
        exigir(le32(xrf, b * 512) == (b + 1 == bloques ? -n : n), "numeración del .XRF");
    }
    exigir(static_cast<std::size_t>(m.siguienteMfn - 1) <= bloques * 127 &&
               static_cast<std::size_t>(m.siguienteMfn + 126) / 127 >= bloques,
           "el .XRF no cubre justo los MFN en uso");
    for (std::int32_t mfn = 1; mfn < m.siguienteMfn; ++mfn) {
        const auto i = static_cast<std::size_t>(mfn - 1);
        Entrada e;
        e.valor = le32(xrf, (i / 127) * 512 + 4 + 4 * (i % 127));
        const std::int32_t a = std::abs(e.valor);
        e.posicion = (a / 2048 - 1) * std::int64_t{512} + a % 512;
        e.nuevo = (a & 1024) != 0;
        e.pendiente = (a & 512) != 0;
        e.eliminado = e.valor == -2048;
        e.borrado = e.valor < 0 && !e.eliminado;
        if (e.valor != 0 && !e.eliminado) {
            exigir(e.posicion < libre, "puntero más allá del primer byte libre");
            exigir(copiaEn(m.mst, e.posicion).mfn == mfn, "el .XRF apunta a otro registro");
        }
        m.xrf.push_back(e);
    }
    return m;
}

Invertido leerInvertido(const std::string& ruta) {
    const std::string cnt = archivo(ruta, ".CNT");
    const std::string ifp = archivo(ruta, ".IFP");
    exigir(cnt.size() == 52, "tamaño del .CNT");
    exigir(ifp.size() % 512 == 0 && !ifp.empty(), "tamaño del .IFP");
    std::vector<char> usadas(ifp.size() / 512 * 127, 0);
    usadas[0] = usadas[1] = 1; // the next free position
    Invertido r;
    const std::string n01 = archivo(ruta, ".N01"), l01 = archivo(ruta, ".L01");
    const std::string n02 = archivo(ruta, ".N02"), l02 = archivo(ruta, ".L02");
    Arbol(1, cnt, n01, l01, ifp, usadas, r).recorrer();
    Arbol(2, cnt, n02, l02, ifp, usadas, r).recorrer();
    const std::int32_t b = le32(ifp, 4), w = le32(ifp, 8);
    exigir(b >= 1 && static_cast<std::size_t>(b) * 512 <= ifp.size() && w >= 0 && w <= 127,
           "posición libre del .IFP");
    const auto libre = static_cast<std::size_t>(b - 1) * 127 + static_cast<std::size_t>(w);
    exigir(std::find(usadas.begin() + static_cast<std::ptrdiff_t>(libre), usadas.end(), 1) ==
               usadas.end(),
           "postings más allá de la posición libre");
    return r;
}

} // namespace crudo
