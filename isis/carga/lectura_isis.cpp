#include "isis/carga/lectura_isis.h"

#include "core/texto.h"
#include "isis/carga/progreso_carga.h"
#include "isis/carga/ruta_base.h"
#include "isis/isis32.h"
#include "isis/modulo_isis.h"

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
    progreso.maximo(4 * ultimo + 10);
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

void LeerTitulos(isis::ModuloIsis& isis, TablaCarga& tabla, ProgresoCarga& progreso) {
    isis::BaseIsis& base = isis.Bases[Marc];
    isis.AbrirBase(base);
    progreso.etiqueta("Cargando datos bibliograficos");
    for (FilaCarga& fila : tabla) {
        progreso.avanzar();
        // A member found without field 20 has emptied dni: that loan stays as it is.
        if (fila[FilaCarga::dni].empty() ||
            isis.BuscarClave(
                base, "I:" + core::texto::recortarBlancos(fila[FilaCarga::inventario])) <= 0) {
            continue;
        }
        fila[FilaCarga::titulo] = Formatear(isis, base, FormatoTitulo);
        fila[FilaCarga::autor] = core::texto::recortarBlancos(Formatear(isis, base, FormatoAutor));
        fila[FilaCarga::tematica] = Formatear(isis, base, FormatoTematica);
        fila[FilaCarga::isbn] = Formatear(isis, base, FormatoIsbn);
    }
}

TablaCarga Leer(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
                ProgresoCarga& progreso) {
    DividirRuta(rutas.usuarios, isis.Bases[Usuarios]);
    DividirRuta(rutas.presta, isis.Bases[Prestamos]);
    DividirRuta(rutas.marc, isis.Bases[Marc]);
    TablaCarga tabla;
    LeerPrestamos(isis, tabla, progreso);
    LeerUsuarios(isis, tabla, hoy, progreso);
    LeerTitulos(isis, tabla, progreso);
    return tabla;
}

} // namespace

TablaCarga LeerTablaCarga(isis::ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
                          ProgresoCarga& progreso) {
    isis.IniciarIsis(2);
    TablaCarga tabla;
    try {
        tabla = Leer(isis, rutas, hoy, progreso);
    } catch (...) {
        // Whatever failed, the spaces go; the failure itself reaches the caller.
        isis.CerrarIsis();
        throw;
    }
    isis.CerrarIsis();
    return tabla;
}

} // namespace carga
