#include "reports/ranking_filas.h"

#include "core/error.h"
#include "core/texto.h"
#include "store/almacen.h"
#include "store/memoria_consultas.h"

#include <algorithm>
#include <charconv>

namespace reports::ranking {

namespace {

// cant x 10000 / total, rounded half up: the percentage in hundredths.
std::int64_t centesimos(std::int64_t cant, const Presentacion& p) {
    if (p.totalPrestamos <= 0) {
        throw core::Error(core::Error::DivisionPorCero,
                          "División por cero: no hay préstamos cargados para calcular porcentajes");
    }
    return (cant * 20000 + p.totalPrestamos) / (2 * p.totalPrestamos);
}

int indiceDe(const std::vector<std::string>& nombres, const std::string& columna) {
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        if (core::texto::igualesSinMayusculas(nombres[i], columna)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::string ValorMostrado(std::int64_t cant, const Presentacion& p) {
    if (!p.porcentaje) {
        return std::to_string(cant);
    }
    const std::int64_t c = centesimos(cant, p);
    std::string s = std::to_string(c / 100);
    const std::int64_t fraccion = c % 100;
    if (fraccion != 0) {
        s += p.separadorDecimal;
        s += static_cast<char>('0' + fraccion / 10);
        if (fraccion % 10 != 0) {
            s += static_cast<char>('0' + fraccion % 10);
        }
    }
    return s;
}

double ValorGrafico(std::int64_t cant, const Presentacion& p) {
    if (!p.porcentaje) {
        return static_cast<double>(cant);
    }
    return static_cast<double>(centesimos(cant, p)) / 100.0;
}

std::string LineaRanking(const FilaRanking& fila, const ListaCampos& campos,
                         const Presentacion& p) {
    std::string linea;
    for (std::size_t k = 0; k < fila.valores.size(); ++k) {
        if (!campos[k].empty()) {
            linea += fila.valores[k] + " - ";
        }
    }
    return linea + " (" + ValorMostrado(fila.cant, p) + ") ";
}

std::string TextoLista(const Ranking& r, const Presentacion& p) {
    std::string texto;
    for (const FilaRanking& f : r.filas) {
        texto += LineaRanking(f, r.campos, p) + "\r\n";
    }
    return texto;
}

int BarrasPedidas(std::string_view texto) {
    const std::string limpio = core::texto::recortar(texto);
    if (limpio.empty() || limpio.find_first_not_of("0123456789") != std::string::npos) {
        return BarrasPorOmision;
    }
    long long n = 0;
    if (std::from_chars(limpio.data(), limpio.data() + limpio.size(), n).ec ==
        std::errc::result_out_of_range) {
        return BarrasMaximas;
    }
    return static_cast<int>(std::clamp(n, 1LL, static_cast<long long>(BarrasMaximas)));
}

Tecla TeclaEnBarras(char32_t caracter) {
    if ((caracter >= U'0' && caracter <= U'9') || caracter == U'\b') {
        return Tecla::Aceptar;
    }
    return caracter == U'\r' ? Tecla::Listar : Tecla::Descartar;
}

void AnticiparRankings(store::Contexto& ctx) {
    std::vector<std::string> sentencias;
    // The cheap ones first: they come back before anyone can ask.
    for (const auto marcas : {MarcasPropias, MarcasTodas}) {
        for (int agrupacion = 0; agrupacion < CantidadAgrupaciones; ++agrupacion) {
            sentencias.push_back(SentenciaRanking(agrupacion, marcas(agrupacion), {}));
        }
    }
    store::AnticiparConsultas(ctx, sentencias, BarrasMaximas);
}

Ranking EjecutarRanking(store::Contexto& ctx, int agrupacion, const Marcas& marcas,
                        const EstadoFiltros& filtros, int barras) {
    Ranking r;
    r.campos = Campos(agrupacion, marcas);
    // The engine groups and sorts every loan before the first group comes
    // out: read as many groups as any refresh can show, once per store state.
    const store::FilasLeidas& filas =
        store::EjecutarConsultaGuardada(ctx, SentenciaRanking(agrupacion, marcas, filtros),
                                        static_cast<std::size_t>(std::max(barras, BarrasMaximas)));
    // A slot whose column the result does not carry stays empty.
    std::array<int, RanurasMostradas> indices{};
    for (std::size_t k = 0; k < indices.size(); ++k) {
        indices[k] = r.campos[k].empty() ? -1 : indiceDe(filas.nombres, r.campos[k]);
    }
    const int iCant = indiceDe(filas.nombres, "cant");
    if (iCant < 0) {
        throw core::Error(core::Error::ErrorBaseDatos, "No existe la columna cant");
    }
    const auto texto = [](const std::vector<std::optional<std::string>>& fila, int i) {
        return fila[static_cast<std::size_t>(i)].value_or(std::string{});
    };
    const std::size_t cuantas =
        std::min(filas.filas.size(), static_cast<std::size_t>(std::max(barras, 0)));
    for (std::size_t n = 0; n < cuantas; ++n) {
        const auto& fila = filas.filas[n];
        FilaRanking f;
        for (std::size_t k = 0; k < indices.size(); ++k) {
            if (indices[k] >= 0) {
                f.valores[k] = texto(fila, indices[k]);
            }
        }
        const std::string cant = texto(fila, iCant);
        std::from_chars(cant.data(), cant.data() + cant.size(), f.cant);
        r.filas.push_back(std::move(f));
    }
    return r;
}

} // namespace reports::ranking
