#pragma once

#include "core/archivo_ini.h"
#include "core/carpetas.h"
#include "store/base_datos.h"

#include <cstdint>
#include <memory>
#include <string>

namespace core {
class Reloj;
}

namespace store {

// The program's shared state, made once in main (or by a test) and handed to
// every window: the store connection, the statement text, the loan total and
// the settings object the load run shares. It carries no dialogs: the core
// reports its errors and the windows show them.
struct Contexto {
    Contexto(const core::Carpetas& carpetas, const core::Reloj& relojPrograma)
        : carpeta(carpetas.datos), carpetaConfiguracion(carpetas.configuracion),
          reloj(relojPrograma) {}
    // One application folder for everything.
    Contexto(std::string carpetaAplicacion, const core::Reloj& relojPrograma)
        : Contexto(core::Carpetas(std::move(carpetaAplicacion)), relojPrograma) {}

    std::string carpeta;              // the store, the exports and exp.xml
    std::string carpetaConfiguracion; // configuracion.ini
    const core::Reloj& reloj;

    std::unique_ptr<BaseDatos> Conexion;
    std::string TextoSql; // the last statement run: EjecutarConsulta records it
    std::int32_t TotalPrestamos = 0;
    std::unique_ptr<core::Archivo_Ini> ArchivoIni; // the load run's shared settings object

    std::string rutaBase() const { return carpeta + "/base.mdb"; }
    std::string rutaCopia() const { return carpeta + "/base.bak"; }
};

} // namespace store
