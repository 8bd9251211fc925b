#pragma once

#include "export/exportacion.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::chrono_literals;

namespace prueba {

// An application folder with an open store and a fixed today (15 March 2024),
// whose presta the test fills itself.
class ExportacionPrueba : public ::testing::Test, protected Entorno {
protected:
    ExportacionPrueba() : Entorno(2024y / 3 / 15) {}

    void SetUp() override { ASSERT_NO_THROW(abrirAlmacen()); }

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
};

} // namespace prueba
