#pragma once

#include "tools/escritor/invertido.h"
#include "tools/escritor/maestro.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A byte-level walk over a database in the packed layout, independent of the
// program's reader, that checks every pointer, count and placement rule on
// the way and throws std::runtime_error naming the first one broken.
namespace crudo {

std::string leerArchivo(const std::string& ruta);
std::int32_t le32(const std::string& d, std::size_t pos);
int le16(const std::string& d, std::size_t pos); // signed

struct Copia {
    std::int64_t posicion = 0;
    std::int32_t mfn = 0;
    int mfrl = 0; // as stored: negative when locked
    std::int32_t atrasBloque = 0;
    int atrasDesplazamiento = 0;
    int estado = 0;
    std::vector<escritor::CampoCrudo> campos;
};
// The copy at a file offset, with its leader and directory checked.
Copia copiaEn(const std::string& mst, std::int64_t posicion);

struct Entrada {
    std::int32_t valor = 0;
    std::int64_t posicion = 0;
    bool nuevo = false, pendiente = false, borrado = false, eliminado = false;
};
struct Maestro {
    std::int32_t siguienteMfn = 0;
    std::vector<Entrada> xrf; // MFN 1 first
    std::string mst;
};
// Control record and cross-reference, with their block numbering checked.
Maestro leerMaestro(const std::string& rutaSinExtension, const std::string& mst = ".MST",
                    const std::string& xrf = ".XRF");

// Every key of both trees in file order (tree 1, then tree 2) with its
// postings, reached by walking from each root; checks node and leaf
// numbering, fill, key order, node keys against their subtrees, leaf chains
// and posting list placement.
struct Invertido {
    std::vector<std::pair<std::string, std::vector<escritor::Posting>>>
        claves;                // keys without padding
    int niveles[2] = {-1, -1}; // LIV of each tree
    int hojas[2] = {0, 0};
    int segmentosEncadenados = 0;
};
Invertido leerInvertido(const std::string& rutaSinExtension);

} // namespace crudo
