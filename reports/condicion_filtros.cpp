#include "reports/condicion_filtros.h"

#include "reports/listas_clasificacion.h"
#include "store/cotas_fecha.h"

namespace reports {

namespace {
// The date bounds stand like every other condition of the ranking reports.
constexpr store::EspaciadoCotas EspaciadoRanking{"", "", ""};
} // namespace

const char* Condicion::conector() {
    const char* pieza = escrita ? "AND " : "WHERE ";
    escrita = true;
    return pieza;
}

std::string PatronGrado(int posicion) {
    if (listas::esEncabezadoNivel(posicion)) {
        return std::string(" '") + listas::digitoNivel(posicion) + "%' ";
    }
    return "'" + listas::codigoGrado(posicion) + "' ";
}

Condicion CondicionFiltros(const EstadoFiltros& estado) {
    Condicion c;
    AgregarCondicionFiltros(c, estado);
    return c;
}

void AgregarCondicionFiltros(Condicion& c, const EstadoFiltros& estado) {
    if (estado.tipoUsuario > 0) {
        c.texto += c.conector();
        c.texto += "tipo_usu='" + listas::TiposUsuario().at(estado.tipoUsuario) + "' ";
    }
    if (estado.grado > 0) {
        c.texto += c.conector();
        c.texto += "grado LIKE " + PatronGrado(estado.grado);
    }
    if (estado.tematica > 0) {
        c.texto += c.conector();
        c.texto += "tematica LIKE '" + listas::Tematicas().at(estado.tematica) + "' ";
    }
    store::AgregarCotasFecha(c.texto, estado.desde, estado.hasta, EspaciadoRanking,
                             [&c] { return c.conector(); });
}

} // namespace reports
