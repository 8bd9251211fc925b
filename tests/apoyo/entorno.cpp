#include "tests/apoyo/entorno.h"

#include "store/almacen.h"

#include <fstream>

namespace prueba {

core::Fecha dia(int anio, unsigned mes, unsigned diaDelMes) {
    return core::Fecha{std::chrono::year{anio}, std::chrono::month{mes},
                       std::chrono::day{diaDelMes}};
}

std::size_t tamanoPagina(const std::string& rutaBase) {
    std::ifstream base(rutaBase, std::ios::binary);
    unsigned char cabecera[18] = {};
    base.read(reinterpret_cast<char*>(cabecera), sizeof cabecera);
    // Two bytes at offset 16, big-endian; 1 stands for 65536.
    const std::size_t tamano = std::size_t{cabecera[16]} << 8 | cabecera[17];
    return tamano == 1 ? 65536 : tamano;
}

Entorno::Entorno(core::Fecha hoy) : reloj(hoy), ctx(carpeta.ruta(), reloj) {}

void Entorno::abrirAlmacen() {
    store::AbrirBaseDatos(ctx);
}

} // namespace prueba
