#include "isis/carga/lectura_isis.h"

#include "core/texto.h"
#include "isis/carga/progreso_carga.h"
#include "isis/carga/ruta_base.h"
#include "isis/isis32.h"
#include "isis/modulo_isis.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace carga {

namespace {

// Entries of Bases.
constexpr std::size_t Usuarios = 0;
constexpr std::size_t Prestamos = 1;
constexpr std::size_t Marc = 2;

constexpr const char* FormatoInventario = "||v10";
constexpr const char* FormatoTitulo =
    "v245^a,|. |v245^n,|. |v245^p,v240^a,|. |v240^n,|. |v240^p,v130^a";
constexpr const char* FormatoAutor = "v100^a,|  |v110^a,|   |v700^a,|  |v710^a";
constexpr const char* FormatoTematica = "v659^a,";
constexpr const char* FormatoIsbn = "v20^a,";

// Which column takes occurrence 1 of which field.
struct Origen {
    FilaCarga::Columna columna;
    std::int32_t tag;
};

constexpr Origen DelPrestamo[] = {
    {FilaCarga::apellido, 25}, {FilaCarga::titulo, 30},           {FilaCarga::autor, 35},
    {FilaCarga::tematica, 40}, {FilaCarga::fecha_devolucion, 50}, {FilaCarga::fecha_presta, 60},
    {FilaCarga::devuelto, 70}, {FilaCarga::nro_renovaciones, 130}};

constexpr Origen DelUsuario[] = {{FilaCarga::apellido, 10},  {FilaCarga::nombre, 15},
                                 {FilaCarga::dni, 20},       {FilaCarga::tipo_usu, 30},
                                 {FilaCarga::direccion, 40}, {FilaCarga::legajo, 50},
                                 {FilaCarga::grado, 70}};

// The member fields of a usuarios row, in the order of ColumnasUsuarios up to
// suspendido, which the suspension rule gives.
constexpr std::array<std::int32_t, 7> CamposUsuario{20, 50, 10, 15, 30, 70, 40};
static_assert(CamposUsuario.size() + 1 == store::ColumnasUsuarios.size());

// The catalogue's keys of its copies: this prefix and the inventory number.
constexpr std::string_view PrefijoInventario = "I:";

// Copies the fields of the current record, an absent one as the empty text.
template <std::size_t N>
void Copiar(isis::ModuloIsis& isis, isis::BaseIsis& base, const Origen (&origenes)[N],
            FilaCarga& fila) {
    for (const Origen& o : origenes) {
        fila[o.columna] = isis.LeerCampo(base, o.tag, 1);
    }
}

// The space keeps one format, so each formatting sets its own just before.
std::string Formatear(isis::ModuloIsis& isis, isis::BaseIsis& base, const char* formato) {
    isis::IsisSpaPft(base.Espacio, formato);
    return isis.FormatearRegistro(base);
}

void LeerPrestamos(isis::ModuloIsis& isis, TablaCarga& tabla, ProgresoCarga& progreso) {
    isis::BaseIsis& base = isis.Bases[Prestamos];
    isis.AbrirBase(base);
    const std::int32_t ultimo = isis.UltimoMfn(base);
    // One share for each step: loans, members, titles, the reports' tables
    // and writing; each moves the bar at most one step per loan.
    progreso.maximo(5 * ultimo + 10);
    progreso.valor(0);
    for (std::int32_t mfn = 1; mfn <= ultimo; ++mfn) {
        isis.LeerRegistro(base, mfn);
        progreso.avanzar();
        std::string dni = isis.LeerCampo(base, 20, 1);
        if (dni.empty()) {
            continue;
        }
        FilaCarga& fila = tabla.emplace_back();
        fila[FilaCarga::inventario] = Formatear(isis, base, FormatoInventario);
        fila[FilaCarga::dni] = std::move(dni);
        Copiar(isis, base, DelPrestamo, fila);
    }
}

void LeerUsuarios(isis::ModuloIsis& isis, TablaCarga& tabla, const std::string& hoy,
                  ProgresoCarga& progreso) {
    isis::BaseIsis& base = isis.Bases[Usuarios];
    isis.AbrirBase(base);
    progreso.etiqueta("Cargando datos de usuarios");
    for (FilaCarga& fila : tabla) {
        progreso.avanzar();
        // A member number is one key, never a search expression: signs of
        // the search language inside it neither fail the run nor find
        // somebody else.
        if (isis.BuscarTermino(base, fila[FilaCarga::dni]) <= 0) {
            continue;
        }
        isis.LeerRegistro(base, isis.ListaMfn[0]);
        Copiar(isis, base, DelUsuario, fila);
        // Suspended while today is past the end of the suspension (none set included).
        fila[FilaCarga::suspendido] = hoy > isis.LeerCampo(base, 150, 1) ? "SI" : "";
    }
}

// What the load run keeps of a copy's catalogue record, the current one.
struct DatosCopia {
    std::string titulo, autor, tematica, isbn;
};

// The copies formatted so far, by MFN: copies and loans of one title share
// their record, which is formatted once.
using CopiasFormateadas = std::unordered_map<std::int32_t, DatosCopia>;

// The copy data of record `mfn`, which is current unless it was formatted
// before. A format that failed is noted each time, as it was run each time.
const DatosCopia& FormatearCopia(isis::ModuloIsis& isis, isis::BaseIsis& base, std::int32_t mfn,
                                 CopiasFormateadas& formateadas, DatosCopia& sinGuardar) {
    if (const auto it = formateadas.find(mfn); it != formateadas.end()) {
        return it->second;
    }
    const std::size_t avisos = isis.Avisos.size();
    DatosCopia d;
    d.titulo = Formatear(isis, base, FormatoTitulo);
    d.autor = core::texto::recortarBlancos(Formatear(isis, base, FormatoAutor));
    d.tematica = Formatear(isis, base, FormatoTematica);
    d.isbn = Formatear(isis, base, FormatoIsbn);
    if (isis.Avisos.size() != avisos) {
        sinGuardar = std::move(d);
        return sinGuardar;
    }
    return formateadas.emplace(mfn, std::move(d)).first->second;
}

void LeerTitulos(isis::ModuloIsis& isis, TablaCarga& tabla, CopiasFormateadas& formateadas,
                 ProgresoCarga& progreso) {
    isis::BaseIsis& base = isis.Bases[Marc];
    isis.AbrirBase(base);
    progreso.etiqueta("Cargando datos bibliograficos");
    for (FilaCarga& fila : tabla) {
        progreso.avanzar();
        // A member found without field 20 has emptied dni: that loan stays as it is.
        if (fila[FilaCarga::dni].empty()) {
            continue;
        }
        const std::int32_t mfn =
            isis.BuscarClave(base, std::string(PrefijoInventario) +
                                       core::texto::recortarBlancos(fila[FilaCarga::inventario]));
        if (mfn <= 0) {
            continue;
        }
        DatosCopia sinGuardar;
        const DatosCopia& d = FormatearCopia(isis, base, mfn, formateadas, sinGuardar);
        fila[FilaCarga::titulo] = d.titulo;
        fila[FilaCarga::autor] = d.autor;
        fila[FilaCarga::tematica] = d.tematica;
        fila[FilaCarga::isbn] = d.isbn;
    }
}

// The bar's share of the reading for the reports: as long as one of the
// steps above, walked through in proportion to the records read.
class TramoProgreso {
public:
    TramoProgreso(ProgresoCarga& progreso, int pasos, std::int64_t registros)
        : progreso_(progreso), inicio_(progreso.valor()), pasos_(pasos), registros_(registros) {}
    void avanzar() {
        const auto valor = inicio_ + static_cast<int>(pasos_ * ++leidos_ / registros_);
        if (valor != progreso_.valor()) {
            progreso_.valor(valor);
        }
    }

private:
    ProgresoCarga& progreso_;
    int inicio_;
    std::int64_t pasos_;
    std::int64_t registros_;
    std::int64_t leidos_ = 0;
};

// Every active member record with a document, its fields read as the
// members step reads them.
void LeerUsuariosActivos(isis::ModuloIsis& isis, std::vector<FilaUsuario>& usuarios,
                         const std::string& hoy, TramoProgreso& tramo) {
    isis::BaseIsis& base = isis.Bases[Usuarios];
    const std::int32_t ultimo = isis.UltimoMfn(base);
    for (std::int32_t mfn = 1; mfn <= ultimo; ++mfn) {
        tramo.avanzar();
        isis.LeerRegistro(base, mfn);
        if (isis.LeerCampo(base, 20, 1).empty()) {
            continue;
        }
        FilaUsuario& fila = usuarios.emplace_back();
        for (std::size_t c = 0; c < CamposUsuario.size(); ++c) {
            fila.valores[c] = isis.LeerCampo(base, CamposUsuario[c], 1);
        }
        fila.valores.back() = hoy > isis.LeerCampo(base, 150, 1) ? "SI" : "";
    }
}

// One copy per "I:" key whose postings reach a live record, from the record
// the titles step would read for it.
void LeerEjemplares(isis::ModuloIsis& isis,
                    const std::vector<isis::ModuloIsis::ClaveConRegistro>& claves,
                    CopiasFormateadas& formateadas, std::vector<FilaEjemplar>& ejemplares,
                    TramoProgreso& tramo) {
    isis::BaseIsis& base = isis.Bases[Marc];
    for (const auto& c : claves) {
        tramo.avanzar();
        if (!formateadas.contains(c.mfn)) {
            isis.LeerRegistro(base, c.mfn);
        }
        DatosCopia sinGuardar;
        const DatosCopia& d = FormatearCopia(isis, base, c.mfn, formateadas, sinGuardar);
        ejemplares.push_back(
            {{c.clave.substr(PrefijoInventario.size()), d.titulo, d.autor, d.tematica, d.isbn}});
    }
}

void LeerParaInformes(isis::ModuloIsis& isis, DatosCarga& datos, const std::string& hoy,
                      CopiasFormateadas& formateadas, ProgresoCarga& progreso) {
    progreso.etiqueta("Cargando socios y ejemplares");
    const auto claves = isis.ClavesConPrefijo(isis.Bases[Marc], std::string(PrefijoInventario));
    const std::int64_t registros =
        isis.UltimoMfn(isis.Bases[Usuarios]) + static_cast<std::int64_t>(claves.size());
    TramoProgreso tramo(progreso, static_cast<int>(datos.prestamos.size()),
                        std::max<std::int64_t>(registros, 1));
    LeerUsuariosActivos(isis, datos.usuarios, hoy, tramo);
    LeerEjemplares(isis, claves, formateadas, datos.ejemplares, tramo);
}

DatosCarga Leer(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
                ProgresoCarga& progreso) {
    DividirRuta(rutas.usuarios, isis.Bases[Usuarios]);
    DividirRuta(rutas.presta, isis.Bases[Prestamos]);
    DividirRuta(rutas.marc, isis.Bases[Marc]);
    DatosCarga datos;
    LeerPrestamos(isis, datos.prestamos, progreso);
    LeerUsuarios(isis, datos.prestamos, hoy, progreso);
    CopiasFormateadas formateadas;
    LeerTitulos(isis, datos.prestamos, formateadas, progreso);
    LeerParaInformes(isis, datos, hoy, formateadas, progreso);
    return datos;
}

} // namespace

DatosCarga LeerDatosCarga(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
                          ProgresoCarga& progreso) {
    isis.IniciarIsis(2);
    DatosCarga datos;
    try {
        datos = Leer(isis, rutas, hoy, progreso);
    } catch (...) {
        // Whatever failed, the spaces go; the failure itself reaches the caller.
        isis.CerrarIsis();
        throw;
    }
    isis.CerrarIsis();
    return datos;
}

} // namespace carga
