// Master file reader: the input is an .XRF and an .MST (see partes.h).
#include "core/error.h"
#include "isis/fuzz/objetivo.h"
#include "isis/fuzz/partes.h"
#include "isis/maestro.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const auto p = fuzz::partes(datos, largo, 2);
    if (p.size() != 2) {
        return 0;
    }
    try {
        const isis::ArchivoMaestro m(isis::ArchivoMapeado::enMemoria("x.mst", p[1]),
                                     isis::ArchivoMapeado::enMemoria("x.xrf", p[0]));
        isis::Registro r;
        for (std::int32_t mfn = 0; mfn < m.siguienteMfn() && mfn < 4096; ++mfn) {
            m.leer(mfn, r);
            m.activo(mfn);
        }
    } catch (const core::Error&) {
    }
    return 0;
}
