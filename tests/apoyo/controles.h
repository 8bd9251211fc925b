#pragma once

#include <QObject>

#include <stdexcept>
#include <string>

namespace prueba {

// The one control of type T named `nombre` inside `ventana`; a missing or
// doubled name fails the test, naming the control.
template <typename T> T* control(const QObject& ventana, const char* nombre) {
    const QList<T*> hallados = ventana.findChildren<T*>(nombre);
    if (hallados.size() != 1) {
        throw std::logic_error(std::to_string(hallados.size()) + " controles llamados " + nombre);
    }
    return hallados.front();
}

} // namespace prueba
