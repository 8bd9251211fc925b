#include "isis/base_abierta.h"

#include "core/error.h"
#include "core/texto.h"
#include "isis/busqueda.h"
#include "isis/clave.h"
#include "isis/indice_memoria.h"
#include "isis/invertido.h"

namespace isis {

namespace {

// Enough field text to tell the code page apart without reading a big
// database whole.
constexpr std::size_t kMuestraTexto = 64 * 1024;

CodigoPagina detectarCodigo(const ArchivoMaestro& m) {
    std::string muestra;
    Registro r;
    for (std::int32_t mfn = 1; mfn < m.siguienteMfn() && muestra.size() < kMuestraTexto; ++mfn) {
        if (m.estado(mfn) != EstadoMfn::Activo) {
            continue;
        }
        m.leer(mfn, r);
        for (const Campo& c : r.campos) {
            muestra += c.texto;
        }
    }
    return CodigoPagina::detectar(muestra);
}

} // namespace

std::string sinExtensionMst(const std::string& ruta) {
    if (ruta.size() >= 4 && core::texto::mayusculasAscii(ruta.substr(ruta.size() - 4)) == ".MST") {
        return ruta.substr(0, ruta.size() - 4);
    }
    return ruta;
}

std::string porQueNoAbre(const std::string& ruta) {
    std::string motivo;
    for (const char* extension : {".MST", ".XRF"}) {
        const std::string esperado = ruta + extension;
        if (archivoDeBase(ruta, extension)) {
            continue;
        }
        const auto hallado = buscarSinMayusculas(esperado);
        motivo = hallado ? *hallado + " no es un archivo común" : "falta el archivo " + esperado;
        break;
    }
    return "No existe la base de datos " + ruta + (motivo.empty() ? "" : ": " + motivo);
}

BaseAbierta::BaseAbierta(ArchivoMaestro maestro, std::string ruta)
    : maestro_(std::move(maestro)), ruta_(std::move(ruta)), codigo_(detectarCodigo(maestro_)) {}

std::unique_ptr<BaseAbierta> BaseAbierta::abrir(const std::string& ruta) {
    const auto mst = archivoDeBase(ruta, ".MST");
    const auto xrf = archivoDeBase(ruta, ".XRF");
    if (!mst || !xrf) {
        return nullptr;
    }
    ArchivoMaestro m(ArchivoMapeado::abrir(*mst), ArchivoMapeado::abrir(*xrf));
    return std::unique_ptr<BaseAbierta>(new BaseAbierta(std::move(m), ruta));
}

void BaseAbierta::abrirInvertido(const std::string& ruta) {
    if (auto invertido = ArchivoInvertido::abrir(ruta)) {
        diccionario_ = std::move(invertido);
    }
}

const Diccionario& BaseAbierta::diccionario() {
    if (diccionario_) {
        return *diccionario_;
    }
    const std::string fst = rutaFst_.value_or(ruta_ + ".FST");
    const auto archivo = buscarSinMayusculas(fst);
    if (!archivo) {
        throw core::Error(core::Error::ErrorIsis,
                          "La base " + ruta_ +
                              " no tiene archivo invertido ni tabla de selección "
                              "de campos (" +
                              fst + ") con la que buscar");
    }
    const ArchivoMapeado tabla = ArchivoMapeado::abrir(*archivo);
    std::string vacias;
    if (const auto stw = archivoDeBase(ruta_, ".STW")) {
        vacias = ArchivoMapeado::abrir(*stw).datos();
    }
    diccionario_ =
        std::make_unique<IndiceMemoria>(maestro_, codigo_, tabla.datos(), vacias, *archivo);
    return *diccionario_;
}

std::string BaseAbierta::claveNormalizada(std::string_view claveUtf8) const {
    return codigo_.aUtf8(normalizarClave(codigo_.desdeUtf8(claveUtf8), codigo_));
}

std::vector<Posting> BaseAbierta::postings(std::string_view claveUtf8) {
    const std::string clave = normalizarClave(codigo_.desdeUtf8(claveUtf8), codigo_);
    std::vector<Posting> r = diccionario().postings(clave);
    std::erase_if(r, [&](const Posting& p) { return !maestro_.activo(p.mfn); });
    return r;
}

void BaseAbierta::recorrer(std::string_view prefijoUtf8, const VisitaUtf8& visita) {
    const std::string prefijo = normalizarClave(codigo_.desdeUtf8(prefijoUtf8), codigo_);
    std::vector<Posting> activos;
    diccionario().recorrer(prefijo, [&](std::string_view clave, const std::vector<Posting>& ps) {
        activos.clear();
        for (const Posting& p : ps) {
            if (maestro_.activo(p.mfn)) {
                activos.push_back(p);
            }
        }
        if (!activos.empty()) {
            visita(codigo_.aUtf8(clave), activos);
        }
    });
}

std::vector<std::int32_t> BaseAbierta::buscar(std::string_view expresionUtf8) {
    return buscarExpresion(codigo_.desdeUtf8(expresionUtf8), diccionario(), codigo_,
                           [&](std::int32_t mfn) { return maestro_.activo(mfn); });
}

} // namespace isis
