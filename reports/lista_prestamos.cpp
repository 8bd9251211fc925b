#include "reports/lista_prestamos.h"

#include "core/texto.h"
#include "reports/listas_clasificacion.h"
#include "store/cotas_fecha.h"

namespace reports {

namespace {

const char* const ColumnasLeidas = "SELECT dni, legajo, nombre, apellido, grado, tipo_usu, titulo, "
                                   "tematica, autor, "
                                   "nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, "
                                   "inventario "
                                   "FROM presta ";

void tipoUsuario(Condicion& c, int posicion) {
    if (posicion > 0) {
        c.texto +=
            std::string(c.conector()) + "tipo_usu='" + listas::TiposUsuario().at(posicion) + "' ";
    }
}

void grado(Condicion& c, int posicion) {
    if (posicion > 0) {
        c.texto += std::string(c.conector()) + "grado LIKE " + PatronGrado(posicion);
    }
}

void tematica(Condicion& c, int posicion) {
    if (posicion > 0) {
        c.texto +=
            std::string(c.conector()) + "tematica='" + listas::Tematicas().at(posicion) + "' ";
    }
}

// A typed text between `antes` and `despues`, behind its connector; nothing
// when the box is empty.
void tecleado(Condicion& c, const std::string& valor, const char* antes, const char* despues) {
    if (!valor.empty()) {
        c.texto += c.conector();
        c.texto += antes + core::texto::comillasSql(valor) + despues;
    }
}

// A typed text searched anywhere inside `columna`. Where accents may matter
// both sides are compared without them, so "gomez" finds "Gómez" and
// "Gómez" finds "Gomez"; a text of digits keeps the plain statement.
void buscado(Condicion& c, const std::string& valor, const char* columna) {
    if (valor.empty()) {
        return;
    }
    c.texto += c.conector();
    const std::string entreComillas = "'%" + core::texto::comillasSql(valor) + "%'";
    if (core::texto::admiteAcentos(valor)) {
        c.texto +=
            std::string(" sin_acentos(") + columna + ") LIKE sin_acentos(" + entreComillas + ")";
    } else {
        c.texto += std::string(" ") + columna + " LIKE " + entreComillas;
    }
}

// The searches open with the three lists, in this order.
void listasBusqueda(Condicion& c, const EstadoFiltros& panel) {
    tipoUsuario(c, panel.tipoUsuario);
    grado(c, panel.grado);
    tematica(c, panel.tematica);
}

// The date bounds: the loan list puts a blank between the connector and the
// end's column, the searches also one before each connector.
constexpr store::EspaciadoCotas EspaciadoLista{"", "", " "};
constexpr store::EspaciadoCotas EspaciadoBusqueda{" ", "", " "};

void fechas(Condicion& c, const EstadoFiltros& panel, const store::EspaciadoCotas& espaciado) {
    store::AgregarCotasFecha(c.texto, panel.desde, panel.hasta, espaciado,
                             [&c] { return c.conector(); });
}

} // namespace

const std::vector<ModoLista>& ModosLista() {
    static const std::vector<ModoLista> modos{
        {"1", "Titulos retirados por usuarios", ""},
        {"2", "Libros renovados", "WHERE nro_renovaciones<>'' "},
        {"3", "Libros morosos",
         "WHERE (devuelto = '' OR devuelto IS NULL) AND "
         "fecha_devolucion<format(date(),'yyyymmdd') "},
        {"4", "Libros prestados", "WHERE (devuelto = '' OR devuelto IS NULL) "},
        {"5", "Libros devueltos con mora", "WHERE fecha_devolucion<devuelto "},
    };
    return modos;
}

std::string SentenciaListaPrestamos(const std::string& modo, const FiltrosPrestamos& filtros,
                                    const std::string& VOrden) {
    Condicion c{ColumnasLeidas};
    for (const ModoLista& m : ModosLista()) {
        if (modo == m.modo && *m.pieza != '\0') {
            c.texto += m.pieza;
            c.escrita = true;
        }
    }
    const EstadoFiltros& panel = filtros.panel;
    tipoUsuario(c, panel.tipoUsuario);
    buscado(c, filtros.apellido, "apellido");
    buscado(c, filtros.nombre, "nombre");
    tecleado(c, filtros.inventario, " inventario = '", "'");
    grado(c, panel.grado);
    tematica(c, panel.tematica);
    fechas(c, panel, EspaciadoLista);
    tecleado(c, filtros.legajo, "legajo = '", "' ");
    return c.texto + "ORDER BY " + VOrden;
}

std::string SentenciaBusquedaLibros(const FiltrosPrestamos& filtros, const std::string& VOrden) {
    Condicion c{ColumnasLeidas};
    listasBusqueda(c, filtros.panel);
    buscado(c, filtros.titulo, "titulo");
    buscado(c, filtros.autor, "autor");
    tecleado(c, filtros.inventario, " inventario = '", "'");
    fechas(c, filtros.panel, EspaciadoBusqueda);
    return c.texto + " ORDER BY " + VOrden;
}

std::string SentenciaBusquedaUsuarios(const FiltrosPrestamos& filtros, const std::string& VOrden) {
    Condicion c{"SELECT dni, legajo, nombre, apellido, grado, tipo_usu, direccion, titulo, "
                "tematica, autor, "
                "nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, inventario, "
                "suspendido "
                "FROM presta "};
    listasBusqueda(c, filtros.panel);
    buscado(c, filtros.apellido, "apellido");
    buscado(c, filtros.nombre, "nombre");
    tecleado(c, filtros.legajo, " legajo = '", "'");
    fechas(c, filtros.panel, EspaciadoBusqueda);
    return c.texto + " ORDER BY " + VOrden;
}

} // namespace reports
