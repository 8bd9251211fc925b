#include "reports/encabezado_salida.h"

#include "reports/listas_clasificacion.h"

#include <cstdio>

namespace reports {

namespace {

// The item a list position names, when it filters at all.
void agregarFiltro(std::vector<std::string>& destino, const char* nombre,
                   const std::vector<std::string>& items, int posicion) {
    if (posicion > 0 && posicion < static_cast<int>(items.size())) {
        destino.push_back(std::string(nombre) + ": " + items[static_cast<std::size_t>(posicion)]);
    }
}

std::string unir(const std::vector<std::string>& partes, const char* separador) {
    std::string texto;
    for (const std::string& p : partes) {
        texto += (texto.empty() ? "" : separador) + p;
    }
    return texto;
}

} // namespace

std::string FechaDDMMAAAA(core::Fecha fecha) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02u/%02u/%04d", static_cast<unsigned>(fecha.day()),
                  static_cast<unsigned>(fecha.month()), static_cast<int>(fecha.year()));
    return texto;
}

std::string TextoPeriodo(const EstadoFiltros& filtros) {
    if (filtros.desde && filtros.hasta) {
        return "Desde " + FechaDDMMAAAA(*filtros.desde) + " hasta " + FechaDDMMAAAA(*filtros.hasta);
    }
    if (filtros.desde) {
        return "Desde " + FechaDDMMAAAA(*filtros.desde);
    }
    if (filtros.hasta) {
        return "Hasta " + FechaDDMMAAAA(*filtros.hasta);
    }
    return "Todo el período";
}

std::vector<std::string> FiltrosEnPalabras(const EstadoFiltros& filtros) {
    std::vector<std::string> palabras;
    agregarFiltro(palabras, "Usuario", listas::TiposUsuario(), filtros.tipoUsuario);
    agregarFiltro(palabras, "Grado", listas::Grados(), filtros.grado);
    agregarFiltro(palabras, "Temática", listas::Tematicas(), filtros.tematica);
    return palabras;
}

std::vector<std::string> LineasEncabezado(const Encabezado& e) {
    std::vector<std::string> filtros = FiltrosEnPalabras(e.filtros);
    filtros.insert(filtros.end(), e.otrosFiltros.begin(), e.otrosFiltros.end());
    const std::string escuela = e.cue.empty() ? "CUE sin configurar" : "CUE " + e.cue;
    return {e.titulo, escuela + " · " + TextoPeriodo(e.filtros),
            filtros.empty() ? "Sin filtros" : unir(filtros, " · "),
            (e.filas == 1 ? std::string("1 fila") : std::to_string(e.filas) + " filas") +
                " · Impreso el " + FechaDDMMAAAA(e.impreso)};
}

std::string TextoPagina(std::size_t numero, std::size_t total) {
    return "Página " + std::to_string(numero) + " de " + std::to_string(total);
}

} // namespace reports
