#include "reports/resumen.h"

#include "reports/informes.h"
#include "reports/lista_prestamos.h"
#include "reports/ranking_filas.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/lectura_compartida.h"
#include "store/registros.h"

#include <algorithm>
#include <future>

namespace reports::informes {

namespace {

constexpr int Primeros = 5;

// One value a statement over another gives, or "0" when it gives none.
std::string valorDe(store::Contexto& ctx, const std::string& sentencia) {
    const auto filas = store::EjecutarConsulta(ctx, sentencia);
    return filas->fin() ? "0" : filas->valor(0).value_or("0");
}

std::string contar(store::Contexto& ctx, const std::string& sentencia) {
    return valorDe(ctx, "SELECT COUNT(*) FROM (" + sentencia + ")");
}

// Participation's columns in the grid: grade, members, readers, percentage.
constexpr int ColGrado = 1, ColSocios = 2, ColLectores = 3, ColPorcentaje = 4;

void participacion(store::Contexto& ctx, const EstadoFiltros& filtros, std::vector<Cifra>& cifras) {
    const Grilla g = GrillaInforme(ctx, Informe::Participacion, filtros,
                                   Definicion(Informe::Participacion).orden);
    const int total = g.filas() - 2; // the row before the trailing empty one
    cifras.push_back({"socios_lectores", "Socios que retiraron libros",
                      std::string(g.texto(total, ColLectores)), Destino::Participacion});
    cifras.push_back(
        {"socios", "Socios", std::string(g.texto(total, ColSocios)), Destino::Participacion});
    cifras.push_back({"porcentaje_lectores", "Porcentaje de socios lectores",
                      std::string(g.texto(total, ColPorcentaje)), Destino::Participacion});
    // The grades with the highest share of readers; a member without grade is in no class.
    std::vector<int> grados;
    for (int f = 1; f < total; ++f) {
        if (!g.texto(f, ColGrado).empty()) {
            grados.push_back(f);
        }
    }
    std::stable_sort(grados.begin(), grados.end(), [&g](int a, int b) {
        return g.numero(a, ColPorcentaje) > g.numero(b, ColPorcentaje);
    });
    for (int i = 0; i < Primeros && i < static_cast<int>(grados.size()); ++i) {
        const std::string n = std::to_string(i + 1);
        const int f = grados[static_cast<std::size_t>(i)];
        cifras.push_back({"grado_" + n, "Grado con más lectores " + n,
                          std::string(g.texto(f, ColGrado)), Destino::Participacion});
        cifras.push_back({"grado_" + n + "_porcentaje", "Porcentaje de lectores del grado " + n,
                          std::string(g.texto(f, ColPorcentaje)), Destino::Participacion});
    }
}

void masPrestados(store::Contexto& ctx, const EstadoFiltros& filtros, std::vector<Cifra>& cifras) {
    const ranking::Ranking r =
        ranking::EjecutarRanking(ctx, ranking::PorLibro, {}, filtros, Primeros);
    constexpr std::size_t RanuraTitulo = 5;
    for (std::size_t i = 0; i < r.filas.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        cifras.push_back({"libro_" + n, "Libro más prestado " + n, r.filas[i].valores[RanuraTitulo],
                          Destino::RankingLibros});
        cifras.push_back({"libro_" + n + "_prestamos", "Préstamos del libro " + n,
                          std::to_string(r.filas[i].cant), Destino::RankingLibros});
    }
}

} // namespace

core::Fecha InicioCicloLectivo(core::Fecha hoy) {
    using namespace std::chrono;
    const year anio = hoy.month() < March ? hoy.year() - years(1) : hoy.year();
    return anio / March / 1;
}

EstadoFiltros FiltrosDestino(Destino destino, const EstadoFiltros& filtros, core::Fecha hoy) {
    EstadoFiltros f = filtros;
    if (destino == Destino::Prestados || destino == Destino::Atrasos) {
        f.desde.reset();
        f.hasta.reset();
    } else {
        f.desde = filtros.desde.value_or(InicioCicloLectivo(hoy));
        f.hasta = filtros.hasta.value_or(hoy);
    }
    return f;
}

std::vector<Cifra> Resumen(store::Contexto& ctx, const EstadoFiltros& filtros) {
    const core::Fecha hoy = ctx.reloj.hoy();
    const EstadoFiltros periodo = FiltrosDestino(Destino::Mensual, filtros, hoy);
    const EstadoFiltros ahora = FiltrosDestino(Destino::Prestados, filtros, hoy);
    // Two halves of about the same cost: the period's loans, the loans out
    // and participation over a second connection on another thread, reading
    // the same state as this one; the overdue count and the most borrowed
    // books here, where the ranking's result stays for the ranking window.
    store::BaseDatos& conexion = store::ConexionAbierta(ctx);
    store::Contexto otro(core::Carpetas(ctx.carpetaConfiguracion, ctx.carpeta), ctx.reloj);
    const std::unique_ptr<store::LecturaCompartida> compartida =
        store::LecturaCompartida::abrir(conexion, otro);
    const auto mitadAparte = [&periodo, &ahora](store::Contexto& c) {
        std::vector<Cifra> v;
        v.push_back({"prestamos_periodo", "Préstamos del período",
                     valorDe(c, SentenciaPrestamosDelPeriodo(periodo)), Destino::Mensual});
        FiltrosPrestamos prestados;
        prestados.panel = ahora;
        v.push_back({"prestados_ahora", "Libros prestados ahora",
                     contar(c, SentenciaListaPrestamos("4", prestados, "devuelto")),
                     Destino::Prestados});
        participacion(c, periodo, v);
        return v;
    };
    std::future<std::vector<Cifra>> enCurso =
        compartida ? std::async(std::launch::async, mitadAparte, std::ref(otro))
                   : std::async(std::launch::deferred, mitadAparte, std::ref(ctx));
    const Cifra atrasados{
        "atrasados_ahora", "Préstamos atrasados ahora",
        contar(ctx, SentenciaInforme(Informe::Atrasos, ahora, Definicion(Informe::Atrasos).orden)),
        Destino::Atrasos};
    std::vector<Cifra> libros;
    masPrestados(ctx, periodo, libros);
    const std::vector<Cifra> aparte = enCurso.get();
    constexpr std::ptrdiff_t AntesDeLosAtrasados = 2;
    std::vector<Cifra> cifras{
        {"desde", "Desde", core::textoAAAAMMDD(*periodo.desde), Destino::Mensual},
        {"hasta", "Hasta", core::textoAAAAMMDD(*periodo.hasta), Destino::Mensual},
    };
    cifras.insert(cifras.end(), aparte.begin(), aparte.begin() + AntesDeLosAtrasados);
    cifras.push_back(atrasados);
    cifras.insert(cifras.end(), aparte.begin() + AntesDeLosAtrasados, aparte.end());
    cifras.insert(cifras.end(), libros.begin(), libros.end());
    return cifras;
}

const std::vector<ColumnaGrilla>& ColumnasResumen() {
    static const std::vector<ColumnaGrilla> columnas{{"Indicador", 3800, "etiqueta"},
                                                     {"Valor", 4200, "valor"}};
    return columnas;
}

Grilla GrillaResumen(const std::vector<Cifra>& cifras) {
    std::vector<std::vector<std::string>> filas;
    for (const Cifra& c : cifras) {
        filas.push_back({c.etiqueta, c.valor});
    }
    Grilla g = GrillaDeFilas(filas, ColumnasResumen());
    // The figures are read from the top.
    g.fijarCelda(1, 1);
    return g;
}

} // namespace reports::informes
