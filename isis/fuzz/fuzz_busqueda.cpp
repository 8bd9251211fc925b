// Search parser and evaluator: the input is an expression, run on a small dictionary.
#include "core/error.h"
#include "isis/busqueda.h"
#include "isis/fuzz/objetivo.h"

#include <map>
#include <string>

namespace {

class DiccionarioFijo : public isis::Diccionario {
public:
    std::vector<isis::Posting> postings(std::string_view clave) const override {
        const auto it = claves_.find(std::string(clave));
        return it == claves_.end() ? std::vector<isis::Posting>{} : it->second;
    }
    void recorrer(std::string_view prefijo, const Visita& visita) const override {
        for (auto it = claves_.lower_bound(std::string(prefijo));
             it != claves_.end() && it->first.starts_with(prefijo); ++it) {
            visita(it->first, it->second);
        }
    }

private:
    std::map<std::string, std::vector<isis::Posting>> claves_{
        {"PLANT", {{1, 24, 1, 1}, {3, 24, 1, 2}}},
        {"PLANTS", {{2, 24, 1, 1}}},
        {"WATER", {{2, 24, 1, 3}, {3, 69, 1, 1}}},
        {"I:1234", {{4, 1, 1, 1}}},
        {"PLANT PHYSIOLOGY", {{5, 69, 1, 1}}}};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    static const DiccionarioFijo diccionario;
    static const isis::CodigoPagina codigo;
    try {
        isis::buscarExpresion(std::string_view(reinterpret_cast<const char*>(datos), largo),
                              diccionario, codigo, [](std::int32_t mfn) { return mfn != 3; });
    } catch (const core::Error&) {
    }
    return 0;
}
