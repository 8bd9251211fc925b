// Format parser and formatter: the input is a format, run on a fixed record.
#include "core/error.h"
#include "isis/formato.h"
#include "isis/fuzz/objetivo.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    static const std::string textos[] = {"uno",
                                         "dos",
                                         "^aGarc\xa1"
                                         "a, Ana^d1950-",
                                         "^aHISTORIA^aCHILE",
                                         "^xSin a<A=B>><c>",
                                         "^aP\x82rez, Juan"};
    static const isis::Registro registro{1,
                                         false,
                                         {{10, textos[0]},
                                          {10, textos[1]},
                                          {100, textos[2]},
                                          {659, textos[3]},
                                          {659, textos[4]},
                                          {700, textos[5]}}};
    static const isis::CodigoPagina codigo;
    try {
        const isis::Formato f(std::string_view(reinterpret_cast<const char*>(datos), largo));
        f.aplicar(registro, codigo);
    } catch (const core::Error&) {
    }
    return 0;
}
