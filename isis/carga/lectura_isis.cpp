#include "isis/carga/lectura_isis.h"

#include "core/texto.h"
#include "isis/carga/canal_carga.h"
#include "isis/carga/indice_claves.h"
#include "isis/carga/informes_en_memoria.h"
#include "isis/carga/progreso_carga.h"
#include "isis/carga/ruta_base.h"
#include "isis/isis32.h"
#include "isis/modulo_isis.h"

#include <algorithm>
#include <array>
#include <optional>
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
            TextosCarga& textos, FilaCarga& fila) {
    for (const Origen& o : origenes) {
        fila[o.columna] = textos.guardar(isis.LeerCampo(base, o.tag, 1));
    }
}

// The space keeps one format, so each formatting sets its own just before.
std::string Formatear(isis::ModuloIsis& isis, isis::BaseIsis& base, const char* formato) {
    isis::IsisSpaPft(base.Espacio, formato);
    return isis.FormatearRegistro(base);
}

void LeerPrestamos(isis::ModuloIsis& isis, DatosCarga& datos, ProgresoCarga& progreso) {
    isis::BaseIsis& base = isis.Bases[Prestamos];
    const std::int32_t ultimo = isis.UltimoMfn(base);
    // One share for each step: loans, members, titles, the reports' tables
    // and writing; each moves the bar at most one step per loan.
    progreso.maximo(5 * ultimo + 10);
    progreso.valor(0);
    for (std::int32_t mfn = 1; mfn <= ultimo; ++mfn) {
        isis.LeerRegistro(base, mfn);
        progreso.avanzar();
        const std::string dni = isis.LeerCampo(base, 20, 1);
        if (dni.empty()) {
            continue;
        }
        FilaCarga& fila = datos.prestamos.emplace_back();
        fila[FilaCarga::inventario] =
            datos.textos.guardar(Formatear(isis, base, FormatoInventario));
        fila[FilaCarga::dni] = datos.textos.guardar(dni);
        Copiar(isis, base, DelPrestamo, datos.textos, fila);
    }
}

// Suspended while today is past the end of the suspension (none set
// included); the current record is the member's.
std::string_view Suspendido(isis::ModuloIsis& isis, isis::BaseIsis& base, const std::string& hoy) {
    return hoy > isis.LeerCampo(base, 150, 1) ? "SI" : "";
}

// What the members step gives a loan of one member number: the fields of
// its record, or nothing when no member holds the number.
struct DatosSocio {
    bool encontrado = false;
    std::array<std::string_view, std::size(DelUsuario) + 1> valores; // + suspendido
};

// One search per member number: the loans of a member share its result.
const DatosSocio& BuscarSocio(isis::ModuloIsis& isis, isis::BaseIsis& base, std::string_view dni,
                              const std::string& hoy, TextosCarga& textos,
                              std::unordered_map<std::string_view, DatosSocio>& socios) {
    const auto [it, nuevo] = socios.try_emplace(dni);
    DatosSocio& socio = it->second;
    // A member number is one key, never a search expression: signs of the
    // search language inside it neither fail the run nor find somebody else.
    if (!nuevo || isis.BuscarTermino(base, std::string(dni)) <= 0) {
        return socio;
    }
    isis.LeerRegistro(base, isis.ListaMfn[0]);
    socio.encontrado = true;
    for (std::size_t i = 0; i < std::size(DelUsuario); ++i) {
        socio.valores[i] = textos.guardar(isis.LeerCampo(base, DelUsuario[i].tag, 1));
    }
    socio.valores.back() = Suspendido(isis, base, hoy);
    return socio;
}

void LeerUsuarios(isis::ModuloIsis& isis, DatosCarga& datos, const std::string& hoy,
                  ProgresoCarga& progreso) {
    isis::BaseIsis& base = isis.Bases[Usuarios];
    progreso.etiqueta("Cargando datos de usuarios");
    // Keyed by the loans' own member numbers, which stay in the run's texts.
    std::unordered_map<std::string_view, DatosSocio> socios;
    socios.reserve(static_cast<std::size_t>(std::max(isis.UltimoMfn(base), 0)));
    for (FilaCarga& fila : datos.prestamos) {
        progreso.avanzar();
        const DatosSocio& socio =
            BuscarSocio(isis, base, fila[FilaCarga::dni], hoy, datos.textos, socios);
        if (!socio.encontrado) {
            continue;
        }
        for (std::size_t i = 0; i < std::size(DelUsuario); ++i) {
            fila[DelUsuario[i].columna] = socio.valores[i];
        }
        fila[FilaCarga::suspendido] = socio.valores.back();
    }
}

// What the load run keeps of a copy's catalogue record, the current one.
struct DatosCopia {
    std::string_view titulo, autor, tematica, isbn;
};

// The copies formatted so far, by MFN: copies and loans of one title share
// their record, which is formatted once. MFNs run from 1 to the last one
// without gaps, so each has its place.
class CopiasFormateadas {
public:
    explicit CopiasFormateadas(std::int32_t ultimoMfn)
        : copias_(static_cast<std::size_t>(std::max(ultimoMfn, 0)) + 1) {}

    const DatosCopia* buscar(std::int32_t mfn) const {
        const auto i = static_cast<std::size_t>(mfn);
        return mfn > 0 && i < copias_.size() && copias_[i] ? &*copias_[i] : nullptr;
    }
    void guardar(std::int32_t mfn, const DatosCopia& d) {
        const auto i = static_cast<std::size_t>(std::max(mfn, 0));
        if (i >= copias_.size()) {
            copias_.resize(i + 1);
        }
        copias_[i] = d;
    }

private:
    std::vector<std::optional<DatosCopia>> copias_;
};

// The copy data of record `mfn`, which is current unless it was formatted
// before. A format that failed is noted each time, as it was run each time.
DatosCopia FormatearCopia(isis::ModuloIsis& isis, isis::BaseIsis& base, std::int32_t mfn,
                          TextosCarga& textos, CopiasFormateadas& formateadas) {
    if (const DatosCopia* hecha = formateadas.buscar(mfn)) {
        return *hecha;
    }
    const std::size_t avisos = isis.Avisos.size();
    DatosCopia d;
    d.titulo = textos.guardar(Formatear(isis, base, FormatoTitulo));
    d.autor = textos.guardar(core::texto::recortarBlancos(Formatear(isis, base, FormatoAutor)));
    d.tematica = textos.guardar(Formatear(isis, base, FormatoTematica));
    d.isbn = textos.guardar(Formatear(isis, base, FormatoIsbn));
    if (isis.Avisos.size() == avisos) {
        formateadas.guardar(mfn, d);
    }
    return d;
}

// Tells the writer how many rows of presta are final: every so many rows
// rather than each one, and once more when the table is complete.
class Publicacion {
public:
    explicit Publicacion(CanalCarga& canal) : canal_(canal) {}
    void listas(std::size_t filas) {
        if (filas - publicadas_ >= FilasPorAviso) {
            canal_.publicar({filas, false});
            publicadas_ = filas;
        }
    }
    void completa(std::size_t filas) { canal_.publicar({filas, true}); }

private:
    static constexpr std::size_t FilasPorAviso = 1024;
    CanalCarga& canal_;
    std::size_t publicadas_ = 0;
};

using Claves = std::vector<isis::ModuloIsis::ClaveConRegistro>;

// Completes each loan with its copy's title data; each row is final after
// this step and goes to the writer. The label of the next step is set before
// the last rows go, so the writer's own label always comes after it.
void LeerTitulos(isis::ModuloIsis& isis, DatosCarga& datos, const Claves& claves,
                 CopiasFormateadas& formateadas, ProgresoCarga& progreso, CanalCarga& canal) {
    TablaCarga& tabla = datos.prestamos;
    isis::BaseIsis& base = isis.Bases[Marc];
    progreso.etiqueta("Cargando datos bibliograficos");
    Publicacion publicacion(canal);
    // The copies' keys were read in one walk of the dictionary: each loan
    // finds its copy in memory instead of in the inverted file.
    IndiceClaves registroDe(claves.size());
    for (const auto& c : claves) {
        registroDe.agregar(c.clave, c.mfn);
    }
    for (std::size_t i = 0; i < tabla.size(); publicacion.listas(++i)) {
        FilaCarga& fila = tabla[i];
        progreso.avanzar();
        // A member found without field 20 has emptied dni: that loan stays as it is.
        if (fila[FilaCarga::dni].empty()) {
            continue;
        }
        const std::optional<std::int32_t> copia = registroDe.buscar(
            isis.ClaveBuscada(base, std::string(PrefijoInventario) +
                                        core::texto::recortarBlancos(fila[FilaCarga::inventario])));
        if (!copia) {
            continue;
        }
        const std::int32_t mfn = *copia;
        if (formateadas.buscar(mfn) == nullptr) {
            isis.LeerRegistro(base, mfn);
        }
        const DatosCopia d = FormatearCopia(isis, base, mfn, datos.textos, formateadas);
        fila[FilaCarga::titulo] = d.titulo;
        fila[FilaCarga::autor] = d.autor;
        fila[FilaCarga::tematica] = d.tematica;
        fila[FilaCarga::isbn] = d.isbn;
    }
    progreso.etiqueta("Cargando socios y ejemplares");
    publicacion.completa(tabla.size());
}

// Every active member record with a document, its fields read as the
// members step reads them.
void LeerUsuariosActivos(isis::ModuloIsis& isis, DatosCarga& datos, const std::string& hoy,
                         TramoProgreso<ProgresoCarga>& tramo) {
    isis::BaseIsis& base = isis.Bases[Usuarios];
    std::vector<FilaUsuario>& usuarios = datos.usuarios;
    const std::int32_t ultimo = isis.UltimoMfn(base);
    usuarios.reserve(static_cast<std::size_t>(std::max(ultimo, 0)));
    for (std::int32_t mfn = 1; mfn <= ultimo; ++mfn) {
        tramo.avanzar();
        isis.LeerRegistro(base, mfn);
        if (isis.LeerCampo(base, 20, 1).empty()) {
            continue;
        }
        FilaUsuario& fila = usuarios.emplace_back();
        for (std::size_t c = 0; c < CamposUsuario.size(); ++c) {
            fila.valores[c] = datos.textos.guardar(isis.LeerCampo(base, CamposUsuario[c], 1));
        }
        fila.valores.back() = Suspendido(isis, base, hoy);
    }
}

// One copy per "I:" key whose postings reach a live record, from the record
// the titles step would read for it.
void LeerEjemplares(isis::ModuloIsis& isis, const Claves& claves, CopiasFormateadas& formateadas,
                    DatosCarga& datos, TramoProgreso<ProgresoCarga>& tramo) {
    isis::BaseIsis& base = isis.Bases[Marc];
    std::vector<FilaEjemplar>& ejemplares = datos.ejemplares;
    ejemplares.reserve(claves.size());
    for (const auto& c : claves) {
        tramo.avanzar();
        if (formateadas.buscar(c.mfn) == nullptr) {
            isis.LeerRegistro(base, c.mfn);
        }
        const DatosCopia d = FormatearCopia(isis, base, c.mfn, datos.textos, formateadas);
        const std::string_view inventario =
            std::string_view(c.clave).substr(PrefijoInventario.size());
        ejemplares.push_back(
            {{datos.textos.guardar(inventario), d.titulo, d.autor, d.tematica, d.isbn}});
    }
}

void LeerParaInformes(isis::ModuloIsis& isis, DatosCarga& datos, const std::string& hoy,
                      const Claves& claves, CopiasFormateadas& formateadas, ProgresoCarga& progreso,
                      CanalCarga& canal) {
    const std::int64_t registros =
        isis.UltimoMfn(isis.Bases[Usuarios]) + static_cast<std::int64_t>(claves.size());
    // As long a share of the bar as one of the steps above, walked through
    // in proportion to the records read.
    TramoProgreso tramo(progreso, static_cast<int>(datos.prestamos.size()), registros);
    LeerUsuariosActivos(isis, datos, hoy, tramo);
    LeerEjemplares(isis, claves, formateadas, datos, tramo);
    canal.entregarInformes(EscribirInformesEnMemoria(datos));
}

void Leer(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
          ProgresoCarga& progreso, DatosCarga& datos, CanalCarga& canal) {
    DividirRuta(rutas.usuarios, isis.Bases[Usuarios]);
    DividirRuta(rutas.presta, isis.Bases[Prestamos]);
    DividirRuta(rutas.marc, isis.Bases[Marc]);
    // All three open before anything is read: the writer empties the store's
    // tables while the loans are read, and a run that cannot open one of
    // them never touches the store.
    for (const std::size_t b : {Prestamos, Usuarios, Marc}) {
        isis.AbrirBase(isis.Bases[b]);
    }
    // Every row stays where it is once made: the writer reads the final ones
    // while more are appended.
    datos.prestamos.reserve(
        static_cast<std::size_t>(std::max(isis.UltimoMfn(isis.Bases[Prestamos]), 0)));
    canal.basesAbiertas();
    LeerPrestamos(isis, datos, progreso);
    LeerUsuarios(isis, datos, hoy, progreso);
    const Claves claves = isis.ClavesConPrefijo(isis.Bases[Marc], std::string(PrefijoInventario));
    CopiasFormateadas formateadas(isis.UltimoMfn(isis.Bases[Marc]));
    LeerTitulos(isis, datos, claves, formateadas, progreso, canal);
    LeerParaInformes(isis, datos, hoy, claves, formateadas, progreso, canal);
}

} // namespace

void LeerDatosCarga(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
                    ProgresoCarga& progreso, DatosCarga& datos, CanalCarga& canal) {
    isis.IniciarIsis(2);
    try {
        Leer(isis, rutas, hoy, progreso, datos, canal);
    } catch (...) {
        // Whatever failed, the spaces go; the failure itself reaches the
        // writer and the caller.
        isis.CerrarIsis();
        canal.fallar(std::current_exception());
        throw;
    }
    isis.CerrarIsis();
}

} // namespace carga
