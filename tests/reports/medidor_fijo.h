#pragma once

#include "core/texto.h"
#include "reports/impresion_grilla.h"

#include <string>

namespace prueba {

// 100 twips a character, lines 150 high: easy coordinates to check.
class MedidorFijo : public reports::MedidorTexto {
public:
    double ancho(const std::string& t) const override {
        return 100.0 * static_cast<double>(core::texto::largoUtf8(t));
    }
    double altoLinea() const override { return 150; }
};

} // namespace prueba
