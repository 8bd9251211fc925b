#include "consultas.h"

#include "comun.h"
#include "dialecto_jet.h"
#include "error.h"
#include "exportacion.h"
#include "grafico_ranking.h"
#include "grilla_prestamos.h"
#include "lista_prestamos.h"
#include "ranking_filas.h"

#include <functional>

namespace medidas {

namespace {

int veces(const std::vector<std::string>& args, std::size_t posicion) {
    return args.size() > posicion ? std::max(1, std::stoi(args[posicion])) : 5;
}

// Runs `trabajo` once cold (the connection just opened) and `n` times more;
// prints the first time and the median of the rest.
void cronometrar(const std::string& nombre, int n, const std::function<void()>& trabajo) {
    const Instante inicio = ahora();
    trabajo();
    anotar(nombre + "_primera_ms", msDesde(inicio));
    anotar(nombre + "_ms", msMediana(n, trabajo));
}

} // namespace

int agrupacionDe(const std::string& nombre) {
    if (nombre == "libro") {
        return ranking::PorLibro;
    }
    if (nombre == "grado") {
        return ranking::PorGrado;
    }
    throw Error(Error::ArgumentoInvalido, "Se espera libro o grado: " + nombre);
}

ranking::Marcas todasLasColumnas(int agrupacion) {
    ranking::Casillas casillas;
    ranking::AjustarCasillas(agrupacion, casillas);
    for (ranking::Casilla& c : casillas) {
        c.marcada = c.habilitada;
    }
    ranking::FijarCasillaPropia(agrupacion, casillas);
    return ranking::MarcasDe(casillas);
}

std::string sentenciaListaCompleta() {
    return SentenciaListaPrestamos("1", {}, "devuelto");
}

std::vector<ConsultaMedida> consultasMedidas() {
    const auto rankingCompleto = [](int agrupacion) {
        return traducirJet(ranking::SentenciaRanking(agrupacion, todasLasColumnas(agrupacion), {}));
    };
    return {{"ranking-libro", "ranking por libro, todas las columnas",
             rankingCompleto(ranking::PorLibro)},
            {"ranking-grado", "ranking por grado, todas las columnas",
             rankingCompleto(ranking::PorGrado)},
            {"lista", "lista de préstamos, modo 1", traducirJet(sentenciaListaCompleta())}};
}

int medirRanking(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    Contexto& ctx = almacen.ctx;
    const int agrupacion = agrupacionDe(args.at(1));
    const ranking::Marcas marcas = todasLasColumnas(agrupacion);
    Sentencia total(*ctx.Conexion, "SELECT COUNT(*) FROM presta");
    total.paso();
    ctx.TotalPrestamos = std::stoi(total.valor(0).value_or("0"));
    const ranking::Presentacion p{true, ctx.TotalPrestamos, ","};
    ranking::DatosGrafico grafico;
    // A refresh as the ranking window does it: statement, list text, chart.
    cronometrar("ranking", veces(args, 2), [&] {
        const ranking::Ranking r =
            ranking::EjecutarRanking(ctx, agrupacion, marcas, {}, ranking::BarrasPorOmision);
        ranking::TextoLista(r, p);
        ranking::Graficar(grafico, r, p);
    });
    return 0;
}

int medirLista(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    Contexto& ctx = almacen.ctx;
    double crecimiento = 0;
    std::size_t filas = 0;
    cronometrar("lista", veces(args, 1), [&] {
        const double antes = residenteMB();
        ctx.TextoSql = sentenciaListaCompleta();
        const Grilla grilla = GrillaDeConsulta(ctx, ColumnasPrestamos());
        crecimiento = std::max(crecimiento, residenteMB() - antes);
        filas = static_cast<std::size_t>(grilla.filas());
    });
    anotar("lista_filas", static_cast<double>(filas));
    anotar("lista_crecimiento_mb", crecimiento);
    anotar("lista_pico_mb", picoResidenteMB());
    return 0;
}

int medirExportacion(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    const PeriodoExportacion todo{};
    cronometrar("exportacion", veces(args, 1),
                [&] { EscribirExportacion(almacen.ctx, FiltroExportacion(todo), todo); });
    return 0;
}

} // namespace medidas
