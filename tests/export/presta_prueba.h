#pragma once

#include "core/reloj.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/apoyo/dialogos_guionados.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

using namespace std::chrono_literals;

namespace prueba {

// An application folder with an open store and a fixed today (15 March 2024),
// whose presta the test fills itself.
class PrestaPrueba : public ::testing::Test {
protected:
    using Columnas = std::initializer_list<std::pair<const char*, const char*>>;

    void SetUp() override { ASSERT_NO_THROW(store::AbrirBaseDatos(ctx)); }

    // One loan; columns not named stay NULL.
    void agregar(Columnas columnas, int veces = 1) {
        auto filas = store::EjecutarConsulta(ctx, "SELECT * FROM presta", store::adOpenDynamic,
                                             store::adLockPessimistic);
        for (int i = 0; i < veces; ++i) {
            filas->agregarNuevo();
            for (const auto& [columna, valor] : columnas) {
                filas->fijar(columna, valor);
            }
            filas->actualizar();
        }
    }

    void fijarCUE(const std::string& cue) {
        carpeta.escribir("configuracion.ini", "[Inicio]\r\nCUE=" + cue + "\r\n");
    }

    std::string documento(const exportacion::PeriodoExportacion& periodo = {}) {
        return exportacion::DocumentoExportacion(ctx, exportacion::FiltroExportacion(periodo),
                                                 periodo);
    }

    // The text of the first element `elemento` after `desde` in the text.
    static std::string bloque(const std::string& texto, const std::string& elemento,
                              std::size_t desde = 0) {
        const std::string abre = "<" + elemento + ">";
        const std::string cierra = "</" + elemento + ">";
        const auto inicio = texto.find(abre, desde);
        if (inicio == std::string::npos) {
            return {};
        }
        const auto fin = texto.find(cierra, inicio);
        return texto.substr(inicio, fin + cierra.size() - inicio);
    }

    static int apariciones(const std::string& texto, const std::string& parte) {
        int n = 0;
        for (auto i = texto.find(parte); i != std::string::npos; i = texto.find(parte, i + 1)) {
            ++n;
        }
        return n;
    }

    CarpetaTemporal carpeta;
    core::RelojFijo reloj{2024y / 3 / 15};
    prueba::DialogosGuionados dialogos;
    store::Contexto ctx{carpeta.ruta(), reloj};
};

} // namespace prueba
