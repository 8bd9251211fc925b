#include "isis/modulo_isis.h"

#include "core/error.h"
#include "core/texto.h"
#include "isis/base_abierta.h"
#include "isis/isis32.h"

#include <algorithm>

namespace isis {

namespace {

constexpr std::int32_t kAreaCampo = 8000;
constexpr std::int32_t kAreaFormato = 32000;
constexpr std::size_t kLargoTermino = 31;

std::string mayusculas(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        core::texto::agregarUtf8(r, core::texto::mayuscula(core::texto::siguienteCodigo(s, i)));
    }
    return r;
}

// A key as a look-up passes it on: 31 characters, blank-padded.
std::string terminoDe(const std::string& clave) {
    std::string termino = core::texto::prefijoUtf8(clave, kLargoTermino);
    termino.append(kLargoTermino - core::texto::largoUtf8(termino), ' ');
    return termino;
}

} // namespace

void ModuloIsis::IniciarIsis(std::int16_t n) {
    AplicacionIsis = IsisAppNew();
    IsisAppDebug(AplicacionIsis, 0);
    Bases.resize(static_cast<std::size_t>(std::max<std::int16_t>(n, -1) + 1));
    for (BaseIsis& b : Bases) {
        b.Espacio = IsisSpaNew(AplicacionIsis);
    }
}

void ModuloIsis::CerrarIsis() {
    for (const BaseIsis& b : Bases) {
        IsisSpaDelete(b.Espacio);
    }
    IsisAppDelete(AplicacionIsis);
}

void ModuloIsis::AbrirBase(BaseIsis& base) {
    std::string s = mayusculas(base.Carpeta + base.Nombre);
    if (s.size() >= 4 && s.compare(s.size() - 4, 4, ".MST") == 0) {
        s.resize(s.size() - 4);
    }
    if (IsisSpaMf(base.Espacio, s) != 0) {
        throw core::Error(core::Error::ErrorIsis,
                          porQueNoAbre(sinExtensionMst(base.Carpeta + base.Nombre)));
    }
    IsisSpaIf(base.Espacio, s);
    IsisSpaFst(base.Espacio, "@" + s + ".FST");
    IsisSpaPft(base.Espacio, "@" + s);
}

void ModuloIsis::LeerRegistro(BaseIsis& base, std::int32_t mfn) {
    IsisRecRead(base.Espacio, 0, mfn);
}

std::int32_t ModuloIsis::UltimoMfn(BaseIsis& base) {
    RegistroControl control;
    IsisRecControlMap(base.Espacio, control);
    return control.palabras[1] - 1;
}

std::string ModuloIsis::LeerCampo(BaseIsis& base, std::int32_t tag, std::int32_t ocurrencia) {
    // The area is blank except where the last call wrote, which is blanked
    // again afterwards: the same as filling it anew, without 8000 bytes a call.
    if (areaCampo_.size() != kAreaCampo) {
        areaCampo_.assign(kAreaCampo, ' ');
    }
    const std::int32_t n =
        IsisRecField(base.Espacio, 0, tag, ocurrencia, areaCampo_.data(), kAreaCampo);
    if (n < 1) {
        return {};
    }
    // Past the n bytes written the area is all blanks, so trimming those n
    // bytes trims the whole area. What remains ends with the NUL that
    // closes the field text.
    std::string_view recortado = core::texto::vistaSinBlancos(
        std::string_view(areaCampo_.data(), static_cast<std::size_t>(n)));
    if (!recortado.empty()) {
        recortado.remove_suffix(1);
    }
    std::string texto = IsisSpaTexto(base.Espacio, recortado);
    std::fill_n(areaCampo_.begin(), n, ' ');
    const std::string_view sinBlancos = core::texto::vistaSinBlancos(texto);
    if (sinBlancos.size() != texto.size()) {
        texto = std::string(sinBlancos);
    }
    return texto;
}

std::string ModuloIsis::FormatearRegistro(BaseIsis& base) {
    try {
        areaFormato_.resize(kAreaFormato);
        const std::int32_t n = IsisRecFormat(base.Espacio, 0, areaFormato_.data(), kAreaFormato);
        if (n < 1) {
            return {};
        }
        return IsisSpaTexto(base.Espacio,
                            std::string_view(areaFormato_.data(), static_cast<std::size_t>(n)));
    } catch (const core::Error&) {
        Avisos.push_back("Hubo un error en el formato");
        return {};
    }
}

std::vector<EntradaPosting> ModuloIsis::postingsDe(BaseIsis& base, const std::string& clave) {
    LecturaTermino termino;
    termino.clave = terminoDe(clave);
    const std::int32_t n = IsisTrmReadMap(base.Espacio, 0, termino);
    if (n <= 0) {
        return {};
    }
    std::vector<EntradaPosting> tabla(static_cast<std::size_t>(n));
    IsisTrmPostingMap(base.Espacio, 0, 1, n, tabla.data());
    return tabla;
}

std::int32_t ModuloIsis::BuscarClave(BaseIsis& base, const std::string& clave) {
    const std::vector<EntradaPosting> tabla = postingsDe(base, clave);
    if (tabla.empty()) {
        return 0;
    }
    const std::int32_t m = tabla.back().mfn;
    LeerRegistro(base, m);
    return m;
}

std::int32_t ModuloIsis::BuscarTermino(BaseIsis& base, const std::string& termino) {
    ListaMfn.clear();
    for (const EntradaPosting& p : postingsDe(base, termino)) {
        ListaMfn.push_back(p.mfn);
    }
    std::sort(ListaMfn.begin(), ListaMfn.end());
    ListaMfn.erase(std::unique(ListaMfn.begin(), ListaMfn.end()), ListaMfn.end());
    ListaMfn.push_back(0);
    return static_cast<std::int32_t>(ListaMfn.size()) - 1;
}

std::vector<ModuloIsis::ClaveConRegistro> ModuloIsis::ClavesConPrefijo(BaseIsis& base,
                                                                       const std::string& prefijo) {
    std::vector<ClaveConRegistro> claves;
    IsisTrmRecorrer(base.Espacio, 0, prefijo,
                    [&](const std::string& clave, const std::vector<EntradaPosting>& postings) {
                        claves.push_back({clave, postings.back().mfn});
                    });
    return claves;
}

std::string ModuloIsis::ClaveBuscada(BaseIsis& base, const std::string& clave) {
    return IsisTrmClave(base.Espacio, 0, terminoDe(clave));
}

std::int32_t ModuloIsis::BuscarExpresion(BaseIsis& base, const std::string& expresion) {
    if (expresion.empty()) {
        return 0;
    }
    CabeceraBusqueda cabecera;
    IsisSrcSearch(base.Espacio, 0, expresion, cabecera);
    const std::int32_t h = cabecera.palabras[1];
    ListaMfn.assign(static_cast<std::size_t>(std::max(h, 0)) + 1, 0);
    if (h >= 1) {
        IsisSrcMfnMap(AplicacionIsis, 0, 0, 1, h, ListaMfn.data());
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(std::max(h, 0)); ++i) {
        if (ListaMfn[i] == 0) {
            ListaMfn.resize(i + 1);
            break;
        }
    }
    return static_cast<std::int32_t>(ListaMfn.size()) - 1;
}

} // namespace isis
