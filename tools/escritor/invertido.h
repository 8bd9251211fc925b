#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace escritor {

// One posting: which record, which field-select line, which occurrence and
// which key of that line's output produced a key.
struct Posting {
    std::int32_t mfn = 0;
    std::uint16_t tag = 1;
    std::uint8_t ocurrencia = 1;
    std::uint16_t orden = 1;

    friend bool operator<(const Posting& a, const Posting& b) {
        return std::tie(a.mfn, a.tag, a.ocurrencia, a.orden) <
               std::tie(b.mfn, b.tag, b.ocurrencia, b.orden);
    }
    friend bool operator==(const Posting&, const Posting&) = default;
};

// A key as the inverted file stores it (code page bytes, upper case, 1 to 30
// bytes, no trailing blanks) with one of its postings.
struct EntradaInvertida {
    std::string clave;
    Posting posting;
};

// How full the B*-trees are and how posting lists are cut. A full inversion
// fills every leaf and node (10 entries); smaller values give the half-full
// pages that later updates leave, and more levels. A segment size above 0
// chains each longer list through several segments, the later ones at the
// end of the postings file, as updates append them.
struct FormaInvertido {
    int clavesPorHoja = 10;
    int entradasPorNodo = 10;
    int postingsPorSegmento = 0;
};

// The bytes of .CNT, .N01, .N02, .L01, .L02 and .IFP in the packed layout.
struct ArchivosInvertidos {
    std::string cnt, n01, n02, l01, l02, ifp;
};

// Keys compare as unsigned bytes; postings of a key are sorted and repeated
// ones written once. Throws Error(5) for a shape out of range.
ArchivosInvertidos construirInvertido(std::vector<EntradaInvertida> entradas,
                                      const FormaInvertido& forma);

} // namespace escritor
