#pragma once

#include "app/ui/ayuda.h"

#include <QUrl>

#include <vector>

namespace prueba {

// Records what the program asks the browser to open, and answers as told.
struct NavegadorAnotado : app::ui::Navegador {
    std::vector<QUrl> abiertas;
    bool responde = true;

    bool abrir(const QUrl& direccion) override {
        abiertas.push_back(direccion);
        return responde;
    }
};

} // namespace prueba
