#include "reports/grilla.h"

#include "core/error.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

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
    recortarCeldas(static_cast<std::size_t>(n) * static_cast<std::size_t>(columnas_));
    celdas_.resize(static_cast<std::size_t>(n) * static_cast<std::size_t>(columnas_));
    compactarSiConviene();
    fila_ = dentro(fila_, filas_);
    filaSel_ = dentro(filaSel_, filas_);
}

void Grilla::fijarColumnas(int n) {
    if (n < 0) {
        throw core::Error(core::Error::ArgumentoInvalido, "Cantidad de columnas no válida");
    }
    std::vector<Celda> nuevas(static_cast<std::size_t>(filas_) * static_cast<std::size_t>(n));
    for (int f = 0; f < filas_; ++f) {
        for (int c = 0; c < columnas_; ++c) {
            if (c < n) {
                nuevas[static_cast<std::size_t>(f * n + c)] = celdas_[indice(f, c)];
            } else {
                olvidar(celdas_[indice(f, c)]);
            }
        }
    }
    celdas_ = std::move(nuevas);
    columnas_ = n;
    compactarSiConviene();
    anchos_.resize(static_cast<std::size_t>(n), AnchoPorDefecto);
    columna_ = dentro(columna_, columnas_);
    columnaSel_ = dentro(columnaSel_, columnas_);
}

void Grilla::fijarAncho(int columna, int twips) {
    anchos_.at(static_cast<std::size_t>(columna)) = twips;
}

void Grilla::fijarTexto(int fila, int columna, std::string_view valor) {
    Celda& celda = celdas_[indice(fila, columna)];
    if (valor.size() <= celda.largo) {
        // In its own place: memmove, as the value may be a view of this grid
        // (an empty view may have no data at all).
        if (!valor.empty()) {
            std::memmove(textos_.data() + celda.inicio, valor.data(), valor.size());
        }
        sinUso_ += celda.largo - valor.size();
        celda.largo = static_cast<std::uint32_t>(valor.size());
        return;
    }
    constexpr std::size_t Limite = std::numeric_limits<std::uint32_t>::max();
    if (textos_.size() - sinUso_ + valor.size() > Limite) {
        throw core::Error(core::Error::ArgumentoInvalido, "La grilla no admite tanto texto");
    }
    if (textos_.size() + valor.size() > Limite) {
        const std::string copia(valor); // the value may be a view of the texts compacted here
        compactar();
        fijarTexto(fila, columna, copia);
        return;
    }
    olvidar(celda);
    celda.inicio = static_cast<std::uint32_t>(textos_.size());
    celda.largo = static_cast<std::uint32_t>(valor.size());
    textos_.append(valor);
    compactarSiConviene();
}

void Grilla::recortarCeldas(std::size_t n) {
    for (std::size_t i = n; i < celdas_.size(); ++i) {
        olvidar(celdas_[i]);
    }
}

void Grilla::olvidar(Celda c) {
    sinUso_ += c.largo;
}

void Grilla::compactarSiConviene() {
    constexpr std::size_t Minimo = 64 * 1024;
    if (sinUso_ > Minimo && sinUso_ * 2 > textos_.size()) {
        compactar();
    }
}

void Grilla::compactar() {
    std::string usados;
    usados.reserve(textos_.size() - sinUso_);
    for (Celda& c : celdas_) {
        const std::size_t inicio = usados.size();
        usados.append(textos_, c.inicio, c.largo);
        c.inicio = static_cast<std::uint32_t>(inicio);
    }
    textos_ = std::move(usados);
    sinUso_ = 0;
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

std::string Grilla::textoSeleccion(bool conTitulos) const {
    if (filas_ == 0 || columnas_ == 0) {
        return {};
    }
    const auto [f1, f2] = std::minmax(fila_, filaSel_);
    const auto [c1, c2] = std::minmax(columna_, columnaSel_);
    std::string salida;
    const int primera = conTitulos && f1 > 0 ? 0 : f1;
    for (int f = primera; f <= f2; f = f == 0 && primera < f1 ? f1 : f + 1) {
        if (f > primera) {
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

double Grilla::numero(int fila, int columna) const {
    const std::string_view t = texto(fila, columna);
    double v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

} // namespace reports
