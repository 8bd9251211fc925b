#include "lectura_isis.h"

#include "isis32.h"
#include "modulo_isis.h"
#include "progreso_carga.h"
#include "ruta_base.h"
#include "texto.h"

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

// The space keeps one format, so each formatting sets its own just before.
std::string Formatear(ModuloIsis& isis, BaseIsis& base, const char* formato) {
    IsisSpaPft(base.Espacio, formato);
    return isis.FormatearRegistro(base);
}

void LeerPrestamos(ModuloIsis& isis, TablaCarga& tabla, ProgresoCarga& progreso) {
    BaseIsis& base = isis.Bases[Prestamos];
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
        fila[FilaCarga::apellido] = isis.LeerCampo(base, 25, 1);
        fila[FilaCarga::titulo] = isis.LeerCampo(base, 30, 1);
        fila[FilaCarga::autor] = isis.LeerCampo(base, 35, 1);
        fila[FilaCarga::tematica] = isis.LeerCampo(base, 40, 1);
        fila[FilaCarga::fecha_devolucion] = isis.LeerCampo(base, 50, 1);
        fila[FilaCarga::fecha_presta] = isis.LeerCampo(base, 60, 1);
        fila[FilaCarga::devuelto] = isis.LeerCampo(base, 70, 1);
        fila[FilaCarga::nro_renovaciones] = isis.LeerCampo(base, 130, 1);
    }
}

void LeerUsuarios(ModuloIsis& isis, TablaCarga& tabla, const std::string& hoy,
                  ProgresoCarga& progreso) {
    BaseIsis& base = isis.Bases[Usuarios];
    isis.AbrirBase(base);
    progreso.etiqueta("Cargando datos de usuarios");
    for (FilaCarga& fila : tabla) {
        progreso.avanzar();
        if (isis.BuscarExpresion(base, fila[FilaCarga::dni]) <= 0) {
            continue;
        }
        isis.LeerRegistro(base, isis.ListaMfn[0]);
        fila[FilaCarga::apellido] = isis.LeerCampo(base, 10, 1);
        fila[FilaCarga::nombre] = isis.LeerCampo(base, 15, 1);
        fila[FilaCarga::dni] = isis.LeerCampo(base, 20, 1);
        fila[FilaCarga::tipo_usu] = isis.LeerCampo(base, 30, 1);
        fila[FilaCarga::direccion] = isis.LeerCampo(base, 40, 1);
        fila[FilaCarga::legajo] = isis.LeerCampo(base, 50, 1);
        // Suspended while today is past the end of the suspension (none set included).
        fila[FilaCarga::suspendido] = hoy > isis.LeerCampo(base, 150, 1) ? "SI" : "";
        fila[FilaCarga::grado] = isis.LeerCampo(base, 70, 1);
    }
}

void LeerTitulos(ModuloIsis& isis, TablaCarga& tabla, ProgresoCarga& progreso) {
    BaseIsis& base = isis.Bases[Marc];
    isis.AbrirBase(base);
    progreso.etiqueta("Cargando datos bibliograficos");
    for (FilaCarga& fila : tabla) {
        progreso.avanzar();
        // A member found without field 20 has emptied dni: that loan stays as it is.
        if (fila[FilaCarga::dni].empty() ||
            isis.BuscarClave(base, "I:" + texto::recortarBlancos(fila[FilaCarga::inventario])) <=
                0) {
            continue;
        }
        fila[FilaCarga::titulo] = Formatear(isis, base, FormatoTitulo);
        fila[FilaCarga::autor] = texto::recortarBlancos(Formatear(isis, base, FormatoAutor));
        fila[FilaCarga::tematica] = Formatear(isis, base, FormatoTematica);
        fila[FilaCarga::isbn] = Formatear(isis, base, FormatoIsbn);
    }
}

TablaCarga Leer(ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
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

TablaCarga LeerTablaCarga(ModuloIsis& isis, const RutasCarga& rutas, const std::string& hoy,
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
