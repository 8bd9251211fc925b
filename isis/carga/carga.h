#pragma once

#include "core/error.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace store {
struct Contexto;
}

namespace carga {

// What the load window shows while the run works: the status text, the
// progress maximum and value. Called on every change; the window decides how
// often it really repaints.
using AvisoCarga = std::function<void(const std::string& etiqueta, int maximo, int valor)>;

// How a load run ended; the windows act on it.
struct ResultadoCarga {
    enum class Tipo {
        Exito,      // presta holds the new load; show the main window, menus on
        FaltaRuta,  // a database path is missing or unusable; show the paths dialog
        Error,      // any other failure, in `error`; presta is unchanged
        SinAlmacen, // the store could not be opened, in `error`; the program ends
    };
    Tipo tipo = Tipo::Exito;
    int filas = 0; // rows written into presta
    std::optional<core::Error> error;
    // What the run noted on the way, in order (a format that failed, a
    // damaged store kept aside and replaced): shown before anything the
    // outcome itself leads to.
    std::vector<std::string> avisos;
};

// The caption the paths dialog gets when a database path is missing.
inline constexpr const char* MensajeFaltaRuta =
    "No se encontro la ruta de la base, especifique y vuelva a iniciar";

// The load run: reads the loans, members and catalogue ISIS databases named
// in block "LINK" of the settings and replaces presta with one row per loan,
// usuarios with one row per active member and ejemplares with one row per
// copy, in one transaction, so a run that fails anywhere leaves the three
// tables as they were.
// A database that does not open or does not read whole fails the run (it
// would read as one without records). Sets ctx.TotalPrestamos to the rows
// written when it succeeds.
ResultadoCarga CargarDatos(store::Contexto& ctx, const AvisoCarga& aviso = {});

} // namespace carga
