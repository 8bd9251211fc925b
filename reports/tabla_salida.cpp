#include "reports/tabla_salida.h"

#include "reports/grilla.h"

#include <algorithm>
#include <array>

namespace reports {

TipoColumna TipoDeCampo(std::string_view campo) {
    static constexpr std::array<std::string_view, 7> numeros{
        "socios",      "lectores", "porcentaje", "prestamos", "prestamos_anio_anterior",
        "dias_atraso", "cantidad"};
    if (campo.starts_with("fecha") || campo == "ultimo_prestamo") {
        return TipoColumna::Fecha;
    }
    return std::find(numeros.begin(), numeros.end(), campo) != numeros.end() ? TipoColumna::Numero
                                                                             : TipoColumna::Texto;
}

ColumnasSalida ColumnasDe(const std::vector<ColumnaGrilla>& columnas, bool numeroFila) {
    ColumnasSalida c;
    if (numeroFila) {
        c.titulos.emplace_back();
        c.anchos.push_back(AnchoNumeroFila);
        c.tipos.push_back(TipoColumna::Numero);
    }
    for (const ColumnaGrilla& columna : columnas) {
        c.titulos.emplace_back(columna.titulo);
        c.anchos.push_back(columna.ancho);
        c.tipos.push_back(TipoDeCampo(columna.campo));
    }
    return c;
}

FilasDeGrilla::FilasDeGrilla(const Grilla& grilla, int primera)
    : grilla_(grilla), primera_(primera),
      celdas_(static_cast<std::size_t>(std::max(grilla.columnas() - primera, 0))) {}

bool FilasDeGrilla::leer() {
    ++fila_;
    if (fila_ + 1 >= grilla_.filas()) {
        return false;
    }
    for (std::size_t c = 0; c < celdas_.size(); ++c) {
        celdas_[c] = grilla_.texto(fila_, primera_ + static_cast<int>(c));
    }
    return true;
}

bool FilasNumeradas::leer() {
    if (!filas_.leer()) {
        return false;
    }
    textoNumero_ = std::to_string(++numero_);
    celdas_.assign(1, textoNumero_);
    celdas_.insert(celdas_.end(), filas_.celdas().begin(), filas_.celdas().end());
    return true;
}

Grilla GrillaDeTabla(const TablaSalida& tabla) {
    Grilla g;
    const int columnas = static_cast<int>(tabla.titulos.size());
    g.fijarColumnas(columnas);
    g.fijarFilas(1);
    for (int c = 0; c < columnas; ++c) {
        g.fijarAncho(c, tabla.anchos[static_cast<std::size_t>(c)]);
        g.fijarTexto(0, c, tabla.titulos[static_cast<std::size_t>(c)]);
    }
    for (int f = 1; tabla.filas.leer(); ++f) {
        g.fijarFilas(f + 1);
        const auto& celdas = tabla.filas.celdas();
        for (int c = 0; c < columnas && c < static_cast<int>(celdas.size()); ++c) {
            g.fijarTexto(f, c, celdas[static_cast<std::size_t>(c)]);
        }
    }
    return g;
}

} // namespace reports
