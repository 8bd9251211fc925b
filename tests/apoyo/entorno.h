#pragma once

#include "core/reloj.h"
#include "store/contexto.h"
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/apoyo/dialogos_guionados.h"

#include <cstddef>
#include <string>

namespace prueba {

core::Fecha dia(int anio, unsigned mes, unsigned diaDelMes);

// The page size a store file's header records: damage and room in the tests
// are measured in its pages.
std::size_t tamanoPagina(const std::string& rutaBase);

// One test's application folder: a temporary folder, a fixed "today",
// scripted dialogs and the program's context on that folder. The store stays
// closed until abrirAlmacen, as the program's stays until its first load.
struct Entorno {
    explicit Entorno(core::Fecha hoy);

    // Opens base.mdb of the folder (created with its schema when missing)
    // into ctx.Conexion, as the program does. Throws Error.
    void abrirAlmacen();
    std::string ruta(const std::string& nombre) const { return carpeta.archivo(nombre); }

    CarpetaTemporal carpeta;
    core::RelojFijo reloj;
    DialogosGuionados dialogos;
    store::Contexto ctx;
};

} // namespace prueba
