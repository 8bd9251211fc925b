#include "isis/isis32.h"

#include "core/error.h"
#include "isis/archivo_mapeado.h"
#include "isis/base_abierta.h"
#include "isis/formato.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace isis {

namespace {

struct Espacio {
    std::int32_t aplicacion = 0;
    std::unique_ptr<BaseAbierta> base;
    Registro registro;
    // Compiled formats by their text: the load run sets the same few over
    // and over. nullptr marks a text that does not compile.
    std::map<std::string, std::shared_ptr<const Formato>, std::less<>> formatos;
    std::shared_ptr<const Formato> formato;
    std::string errorFormato;
    std::vector<Posting> postings; // of the key last read
};

struct Aplicacion {
    std::vector<std::int32_t> ultimaBusqueda;
};

struct Tabla {
    std::int32_t ultimo = 0;
    std::unordered_map<std::int32_t, Aplicacion> aplicaciones;
    std::unordered_map<std::int32_t, Espacio> espacios;
    // Moves whenever a space goes: a space found before may be gone.
    std::uint64_t bajas = 0;
};

Tabla& tabla() {
    static Tabla t;
    return t;
}

// The space each thread found last: a run calls into one space many times in
// a row (a million times in a load), and a space stays where it is in the
// table until it is deleted.
struct UltimoEspacio {
    std::int32_t handle = 0;
    std::uint64_t bajas = 0;
    Espacio* espacio = nullptr;
};
thread_local UltimoEspacio ultimoEspacio;

Espacio* espacio(std::int32_t e) {
    Tabla& t = tabla();
    UltimoEspacio& ultimo = ultimoEspacio;
    if (ultimo.espacio != nullptr && ultimo.handle == e && ultimo.bajas == t.bajas) {
        return ultimo.espacio;
    }
    const auto it = t.espacios.find(e);
    Espacio* s = it == t.espacios.end() ? nullptr : &it->second;
    ultimo = {e, t.bajas, s};
    return s;
}

// Format text from the call: "@" + path names a .PFT file.
std::string textoDeFormato(const std::string& formato) {
    if (formato.empty() || formato[0] != '@') {
        return formato;
    }
    const std::string ruta = formato.substr(1);
    auto archivo = archivoDeBase(ruta, ".PFT");
    if (!archivo) {
        archivo = archivoDeBase(ruta, "");
    }
    if (!archivo) {
        throw core::Error(core::Error::ErrorIsis, "No existe el formato " + ruta);
    }
    return std::string(ArchivoMapeado::abrir(*archivo).datos());
}

} // namespace

std::int32_t IsisAppNew() {
    const std::int32_t h = ++tabla().ultimo;
    tabla().aplicaciones[h];
    return h;
}

std::int32_t IsisAppDebug(std::int32_t aplicacion, std::int32_t) {
    return tabla().aplicaciones.count(aplicacion) != 0 ? 0 : -1;
}

std::int32_t IsisSpaNew(std::int32_t aplicacion) {
    if (tabla().aplicaciones.count(aplicacion) == 0) {
        return -1;
    }
    const std::int32_t h = ++tabla().ultimo;
    tabla().espacios[h].aplicacion = aplicacion;
    return h;
}

std::int32_t IsisSpaMf(std::int32_t e, const std::string& ruta) {
    Espacio* s = espacio(e);
    if (s == nullptr) {
        return -1;
    }
    s->registro = Registro{};
    s->postings.clear();
    s->formatos.clear(); // compiled for the previous database's code page
    s->formato = nullptr;
    s->base = BaseAbierta::abrir(ruta);
    return s->base ? 0 : -1;
}

std::int32_t IsisSpaIf(std::int32_t e, const std::string& ruta) {
    Espacio* s = espacio(e);
    if (s == nullptr || !s->base) {
        return -1;
    }
    s->base->abrirInvertido(ruta);
    return 0;
}

std::int32_t IsisSpaFst(std::int32_t e, const std::string& fst) {
    Espacio* s = espacio(e);
    if (s == nullptr || !s->base) {
        return -1;
    }
    s->base->usarFst(!fst.empty() && fst[0] == '@' ? fst.substr(1) : fst);
    return 0;
}

std::int32_t IsisSpaPft(std::int32_t e, const std::string& formato) {
    Espacio* s = espacio(e);
    if (s == nullptr) {
        return -1;
    }
    s->formato = nullptr;
    s->errorFormato.clear();
    auto it = s->formatos.find(formato);
    if (it == s->formatos.end()) {
        try {
            const std::string texto = textoDeFormato(formato);
            const std::string bytes = s->base ? s->base->codigo().desdeUtf8(texto) : texto;
            it = s->formatos.emplace(formato, std::make_shared<const Formato>(bytes)).first;
        } catch (const core::Error& error) {
            // The error shows when the format is used, as with any run-time fault.
            s->errorFormato = error.descripcion();
            return -1;
        }
    }
    s->formato = it->second;
    return 0;
}

std::int32_t IsisRecRead(std::int32_t e, std::int32_t slot, std::int32_t mfn) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0 || !s->base) {
        return -1;
    }
    s->base->maestro().leer(mfn, s->registro);
    return s->registro.borrado ? -1 : 0;
}

std::int32_t IsisRecControlMap(std::int32_t e, RegistroControl& control) {
    control = RegistroControl{};
    Espacio* s = espacio(e);
    // Without a master file there are no records: next MFN 1.
    control.palabras[1] = s != nullptr && s->base ? s->base->maestro().siguienteMfn() : 1;
    return s != nullptr && s->base ? 0 : -1;
}

std::int32_t IsisRecField(std::int32_t e, std::int32_t slot, std::int32_t tag,
                          std::int32_t ocurrencia, char* area, std::int32_t tamano) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0 || tamano < 1) {
        return 0;
    }
    std::int32_t n = 0;
    for (const Campo& c : s->registro.campos) {
        if (c.tag == tag && ++n == ocurrencia) {
            const std::size_t largo =
                std::min(c.texto.size(), static_cast<std::size_t>(tamano - 1));
            std::memcpy(area, c.texto.data(), largo);
            area[largo] = '\0';
            return static_cast<std::int32_t>(largo + 1);
        }
    }
    return 0;
}

std::int32_t IsisRecFormat(std::int32_t e, std::int32_t slot, char* area, std::int32_t tamano) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0 || tamano < 1) {
        return -1;
    }
    if (!s->errorFormato.empty()) {
        throw core::Error(core::Error::ErrorIsis, s->errorFormato);
    }
    if (!s->formato || !s->base) {
        throw core::Error(core::Error::ErrorIsis,
                          "No hay formato ni base para formatear el registro");
    }
    const std::string salida = s->formato->aplicar(s->registro, s->base->codigo());
    const std::size_t largo = std::min(salida.size(), static_cast<std::size_t>(tamano));
    std::memcpy(area, salida.data(), largo);
    return static_cast<std::int32_t>(largo);
}

std::int32_t IsisTrmReadMap(std::int32_t e, std::int32_t slot, LecturaTermino& termino) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0) {
        return 0;
    }
    s->postings.clear();
    if (!s->base) {
        return 0;
    }
    s->postings = s->base->postings(termino.clave);
    return static_cast<std::int32_t>(s->postings.size());
}

std::string IsisTrmClave(std::int32_t e, std::int32_t slot, const std::string& clave) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0 || !s->base) {
        return {};
    }
    return s->base->claveNormalizada(clave);
}

std::int32_t IsisTrmPostingMap(std::int32_t e, std::int32_t slot, std::int32_t primero,
                               std::int32_t cantidad, EntradaPosting* tabla) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0 || primero < 1) {
        return -1;
    }
    std::int32_t escritos = 0;
    for (std::int32_t i = 0; i < cantidad; ++i) {
        const auto k = static_cast<std::size_t>(primero - 1 + i);
        if (k >= s->postings.size()) {
            break;
        }
        const Posting& p = s->postings[k];
        tabla[i] = EntradaPosting{0, p.mfn, p.tag, p.ocurrencia, p.contador};
        ++escritos;
    }
    return escritos;
}

std::int32_t IsisTrmRecorrer(std::int32_t e, std::int32_t slot, const std::string& prefijo,
                             const VisitaTermino& visita) {
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0 || !s->base) {
        return -1;
    }
    std::int32_t claves = 0;
    std::vector<EntradaPosting> entradas;
    s->base->recorrer(prefijo, [&](const std::string& clave, const std::vector<Posting>& ps) {
        entradas.clear();
        for (const Posting& p : ps) {
            entradas.push_back(EntradaPosting{0, p.mfn, p.tag, p.ocurrencia, p.contador});
        }
        ++claves;
        visita(clave, entradas);
    });
    return claves;
}

std::int32_t IsisSrcSearch(std::int32_t e, std::int32_t slot, const std::string& expresion,
                           CabeceraBusqueda& cabecera) {
    cabecera = CabeceraBusqueda{};
    Espacio* s = espacio(e);
    if (s == nullptr || slot != 0) {
        return -1;
    }
    Aplicacion& a = tabla().aplicaciones[s->aplicacion];
    a.ultimaBusqueda.clear();
    if (s->base) {
        a.ultimaBusqueda = s->base->buscar(expresion);
    }
    cabecera.palabras[0] = 1;
    cabecera.palabras[1] = static_cast<std::int32_t>(a.ultimaBusqueda.size());
    return 0;
}

std::int32_t IsisSrcMfnMap(std::int32_t aplicacion, std::int32_t, std::int32_t,
                           std::int32_t primero, std::int32_t cantidad, std::int32_t* mfns) {
    const auto it = tabla().aplicaciones.find(aplicacion);
    if (it == tabla().aplicaciones.end() || primero < 1) {
        return -1;
    }
    const std::vector<std::int32_t>& hits = it->second.ultimaBusqueda;
    std::int32_t escritos = 0;
    for (std::int32_t i = 0; i < cantidad; ++i) {
        const auto k = static_cast<std::size_t>(primero - 1 + i);
        if (k >= hits.size()) {
            break;
        }
        mfns[i] = hits[k];
        ++escritos;
    }
    return escritos;
}

std::int32_t IsisSpaDelete(std::int32_t e) {
    ++tabla().bajas;
    return tabla().espacios.erase(e) != 0 ? 0 : -1;
}

std::int32_t IsisAppDelete(std::int32_t aplicacion) {
    ++tabla().bajas;
    std::erase_if(tabla().espacios,
                  [&](const auto& par) { return par.second.aplicacion == aplicacion; });
    return tabla().aplicaciones.erase(aplicacion) != 0 ? 0 : -1;
}

std::string IsisSpaTexto(std::int32_t e, std::string_view bytes) {
    Espacio* s = espacio(e);
    if (s == nullptr || !s->base) {
        return CodigoPagina().aUtf8(bytes);
    }
    return s->base->codigo().aUtf8(bytes);
}

} // namespace isis
