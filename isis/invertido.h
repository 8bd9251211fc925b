#pragma once

#include "isis/archivo_mapeado.h"
#include "isis/bytes.h"
#include "isis/diccionario.h"

#include <memory>
#include <optional>
#include <string>

namespace isis {

// The inverted file of a database (.CNT, .N01/.L01, .N02/.L02, .IFP), read
// only, packed (DOS/Windows) or aligned (CISIS on Linux) layout, with or
// without its .CNT. Every node, leaf and posting read is checked: damage
// throws Error naming the file, and no walk can loop.
class ArchivoInvertido : public Diccionario {
public:
    struct Archivos {
        std::optional<ArchivoMapeado> cnt;
        ArchivoMapeado n01, l01, n02, l02, ifp;
    };
    explicit ArchivoInvertido(Archivos archivos);
    // The inverted file beside `rutaSinExtension`, or nullptr when its
    // files are not all there.
    static std::unique_ptr<ArchivoInvertido> abrir(const std::string& rutaSinExtension);

    std::vector<Posting> postings(std::string_view clave) const override;
    void recorrer(std::string_view prefijo, const Visita& visita) const override;
    bool alineado() const { return alineado_; }

private:
    struct Arbol {
        const ArchivoMapeado* nodos = nullptr;
        const ArchivoMapeado* hojas = nullptr;
        std::size_t largoClave = 10;
        std::size_t registroNodo = 0, entradaNodo = 0;
        std::size_t registroHoja = 0, entradaHoja = 0;
        std::int32_t raiz = 0; // 0: empty tree
        std::int64_t cantidadNodos = 0, cantidadHojas = 0;
    };
    struct Entrada {
        std::string_view clave; // blank-padded
        std::int32_t bloque = 0, palabra = 0;
    };

    void prepararArbol(Arbol& a, int numero, const ArchivoMapeado& nodos,
                       const ArchivoMapeado& hojas) const;
    std::int32_t buscarRaiz(const Arbol& a) const;
    // The leaf where `clave` (padded) is or would be; 0 for an empty tree.
    std::int32_t hojaDe(const Arbol& a, std::string_view clave) const;
    std::int32_t siguienteHoja(const Arbol& a, std::int32_t hoja,
                               std::vector<Entrada>& entradas) const;
    std::vector<Posting> leerPostings(std::int32_t bloque, std::int32_t palabra) const;
    void recorrerArbol(const Arbol& a, std::string_view prefijo, const Visita& visita) const;

    Archivos archivos_;
    bool alineado_ = false;
    Arbol arboles_[2];
};

} // namespace isis
