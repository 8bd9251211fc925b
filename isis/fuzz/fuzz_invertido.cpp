// Inverted file reader: the input is .CNT, .N01, .L01, .N02, .L02 and .IFP
// (see partes.h); an empty .CNT stands for a missing one.
#include "core/error.h"
#include "isis/fuzz/objetivo.h"
#include "isis/fuzz/partes.h"
#include "isis/invertido.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const auto p = fuzz::partes(datos, largo, 6);
    if (p.size() != 6) {
        return 0;
    }
    const auto archivo = [&](int i) {
        return isis::ArchivoMapeado::enMemoria("f" + std::to_string(i), p[i]);
    };
    try {
        isis::ArchivoInvertido::Archivos a{std::nullopt, archivo(1), archivo(2),
                                           archivo(3),   archivo(4), archivo(5)};
        if (!p[0].empty()) {
            a.cnt = archivo(0);
        }
        const isis::ArchivoInvertido inv(std::move(a));
        int claves = 0;
        inv.recorrer("", [&](std::string_view k, const std::vector<isis::Posting>&) {
            if (++claves < 64) {
                inv.postings(k);
            }
        });
        inv.postings("A");
        inv.recorrer("PLANT", [](std::string_view, const std::vector<isis::Posting>&) {});
    } catch (const core::Error&) {
    }
    return 0;
}
