#include "tests/apoyo/entorno.h"

#include "store/almacen.h"

namespace prueba {

core::Fecha dia(int anio, unsigned mes, unsigned diaDelMes) {
    return core::Fecha{std::chrono::year{anio}, std::chrono::month{mes},
                       std::chrono::day{diaDelMes}};
}

Entorno::Entorno(core::Fecha hoy) : reloj(hoy), ctx(carpeta.ruta(), reloj) {}

void Entorno::abrirAlmacen() {
    store::AbrirBaseDatos(ctx);
}

} // namespace prueba
