#include "store/cotas_fecha.h"

namespace store {

namespace {

void agregarCota(std::string& texto, const char* antesDelConector, const char* conector,
                 const char* trasConector, const char* comparacion, core::Fecha fecha) {
    texto += antesDelConector;
    texto += conector;
    texto += trasConector;
    texto += "fecha_presta ";
    texto += comparacion;
    texto += " '" + core::textoAAAAMMDD(fecha) + "' ";
}

} // namespace

void AgregarCotasFecha(std::string& texto, const std::optional<core::Fecha>& desde,
                       const std::optional<core::Fecha>& hasta, const EspaciadoCotas& espaciado,
                       const std::function<const char*()>& conector) {
    if (desde) {
        agregarCota(texto, espaciado.antesDelConector, conector(), espaciado.trasConectorDesde,
                    ">=", *desde);
    }
    if (hasta) {
        agregarCota(texto, espaciado.antesDelConector, conector(), espaciado.trasConectorHasta,
                    "<=", *hasta);
    }
}

} // namespace store
