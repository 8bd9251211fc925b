#include "app/cli/filtros_cli.h"

#include "core/argumentos.h"
#include "core/error.h"
#include "reports/listas_clasificacion.h"

#include <algorithm>
#include <charconv>

namespace app::cli {

namespace {

// A grade is given by its position, so a level heading and a grade item with
// the same text are never confused.
int posicionGrado(const std::string& texto) {
    const int cantidad = static_cast<int>(reports::listas::Grados().size());
    int posicion = -1;
    const char* fin = texto.data() + texto.size();
    const auto [resto, error] = std::from_chars(texto.data(), fin, posicion);
    if (texto.empty() || error != std::errc() || resto != fin || posicion < 0 ||
        posicion >= cantidad) {
        throw core::Error(core::Error::ArgumentoInvalido, "La posición de grado va de 0 a " +
                                                              std::to_string(cantidad - 1) + ": " +
                                                              texto);
    }
    return posicion;
}

} // namespace

int PosicionEnLista(const std::vector<std::string>& items, const std::string& texto,
                    const std::string& lista) {
    const auto it = std::find(items.begin(), items.end(), texto);
    if (it == items.end()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "No es un elemento de la lista " + lista + ": " + texto);
    }
    return static_cast<int>(it - items.begin());
}

std::optional<core::Fecha> FechaDeOpcion(const core::Argumentos& argumentos,
                                         const std::string& opcion) {
    const auto texto = argumentos.valor(opcion);
    return texto ? std::optional<core::Fecha>(core::fechaDesdeAAAAMMDD(*texto)) : std::nullopt;
}

reports::EstadoFiltros FiltrosDeOpciones(const core::Argumentos& argumentos) {
    reports::EstadoFiltros f;
    if (const auto tipo = argumentos.valor("--tipo")) {
        f.tipoUsuario =
            PosicionEnLista(reports::listas::TiposUsuario(), *tipo, "de tipos de usuario");
    }
    if (const auto grado = argumentos.valor("--grado")) {
        f.grado = posicionGrado(*grado);
    }
    if (const auto tematica = argumentos.valor("--tematica")) {
        f.tematica = PosicionEnLista(reports::listas::Tematicas(), *tematica, "de temáticas");
    }
    f.desde = FechaDeOpcion(argumentos, "--desde");
    f.hasta = FechaDeOpcion(argumentos, "--hasta");
    return f;
}

} // namespace app::cli
