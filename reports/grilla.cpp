#include "reports/grilla.h"

#include "core/error.h"

#include <algorithm>
#include <utility>

namespace reports {

namespace {
int dentro(int valor, int cantidad) {
    return std::clamp(valor, 0, std::max(cantidad - 1, 0));
}
} // namespace

std::size_t Grilla::indice(int fila, int columna) const {
    if (fila < 0 || fila >= filas_ || columna < 0 || columna >= columnas_) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Subíndice fuera del intervalo de la grilla");
    }
    return static_cast<std::size_t>(fila) * static_cast<std::size_t>(columnas_) +
           static_cast<std::size_t>(columna);
}

void Grilla::fijarFilas(int n) {
    if (n < 0) {
        throw core::Error(core::Error::ArgumentoInvalido, "Cantidad de filas no válida");
    }
    filas_ = n;
    celdas_.resize(static_cast<std::size_t>(n) * static_cast<std::size_t>(columnas_));
    fila_ = dentro(fila_, filas_);
    filaSel_ = dentro(filaSel_, filas_);
}

void Grilla::fijarColumnas(int n) {
    if (n < 0) {
        throw core::Error(core::Error::ArgumentoInvalido, "Cantidad de columnas no válida");
    }
    std::vector<std::string> nuevas(static_cast<std::size_t>(filas_) * static_cast<std::size_t>(n));
    const int comunes = std::min(n, columnas_);
    for (int f = 0; f < filas_; ++f) {
        for (int c = 0; c < comunes; ++c) {
            nuevas[static_cast<std::size_t>(f * n + c)] = std::move(celdas_[indice(f, c)]);
        }
    }
    celdas_ = std::move(nuevas);
    columnas_ = n;
    anchos_.resize(static_cast<std::size_t>(n), AnchoPorDefecto);
    columna_ = dentro(columna_, columnas_);
    columnaSel_ = dentro(columnaSel_, columnas_);
}

void Grilla::fijarAncho(int columna, int twips) {
    anchos_.at(static_cast<std::size_t>(columna)) = twips;
}

void Grilla::fijarTexto(int fila, int columna, std::string valor) {
    celdas_[indice(fila, columna)] = std::move(valor);
}

void Grilla::fijarCelda(int fila, int columna) {
    indice(fila, columna);
    fila_ = filaSel_ = fila;
    columna_ = columnaSel_ = columna;
}

void Grilla::extenderSeleccion(int fila, int columna) {
    indice(fila, columna);
    filaSel_ = fila;
    columnaSel_ = columna;
}

std::string Grilla::textoSeleccion() const {
    if (filas_ == 0 || columnas_ == 0) {
        return {};
    }
    const auto [f1, f2] = std::minmax(fila_, filaSel_);
    const auto [c1, c2] = std::minmax(columna_, columnaSel_);
    std::string salida;
    for (int f = f1; f <= f2; ++f) {
        if (f > f1) {
            salida += '\r';
        }
        for (int c = c1; c <= c2; ++c) {
            if (c > c1) {
                salida += '\t';
            }
            salida += texto(f, c);
        }
    }
    return salida;
}

} // namespace reports
