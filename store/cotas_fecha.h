#pragma once

#include "core/reloj.h"

#include <functional>
#include <optional>
#include <string>

namespace store {

// Where a statement puts blanks around its loan-date bounds: before the
// connector, and between the connector and the column of each bound. The
// statements differ here, and stored statements and tests pin each form.
struct EspaciadoCotas {
    const char* antesDelConector;
    const char* trasConectorDesde;
    const char* trasConectorHasta;
};

// Appends the conditions on fecha_presta for the bounds given, each
// inclusive, each behind the piece `conector` returns for it and the blanks
// of `espaciado`: "fecha_presta >= 'AAAAMMDD' " for the start,
// "fecha_presta <= 'AAAAMMDD' " for the end.
void AgregarCotasFecha(std::string& texto, const std::optional<core::Fecha>& desde,
                       const std::optional<core::Fecha>& hasta, const EspaciadoCotas& espaciado,
                       const std::function<const char*()>& conector);

} // namespace store
