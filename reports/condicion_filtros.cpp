#include "condicion_filtros.h"

#include "listas_clasificacion.h"

const char* Condicion::conector() {
    const char* pieza = escrita ? "AND " : "WHERE ";
    escrita = true;
    return pieza;
}

Condicion CondicionFiltros(const EstadoFiltros& estado) {
    Condicion c;
    if (estado.tipoUsuario > 0) {
        c.texto += c.conector();
        c.texto += "tipo_usu='" + listas::TiposUsuario().at(estado.tipoUsuario) + "' ";
    }
    if (estado.grado > 0) {
        c.texto += c.conector();
        c.texto += "grado LIKE ";
        if (listas::esEncabezadoNivel(estado.grado)) {
            c.texto += std::string(" '") + listas::digitoNivel(estado.grado) + "%' ";
        } else {
            c.texto += "'" + listas::codigoGrado(estado.grado) + "' ";
        }
    }
    if (estado.tematica > 0) {
        c.texto += c.conector();
        c.texto += "tematica LIKE '" + listas::Tematicas().at(estado.tematica) + "' ";
    }
    if (estado.desde) {
        c.texto += c.conector();
        c.texto += "fecha_presta >= '" + textoAAAAMMDD(*estado.desde) + "' ";
    }
    if (estado.hasta) {
        c.texto += c.conector();
        c.texto += "fecha_presta <= '" + textoAAAAMMDD(*estado.hasta) + "' ";
    }
    return c;
}
