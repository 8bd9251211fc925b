#include "reports/graficos_informes.h"

#include "reports/informes.h"

#include <algorithm>
#include <numeric>

namespace reports::informes {

namespace {

// The grid column that shows `campo` of the report.
int columnaDe(Informe informe, const char* campo) {
    const auto& columnas = Definicion(informe).columnas;
    const auto it = std::find_if(columnas.begin(), columnas.end(), [campo](const ColumnaGrilla& c) {
        return std::string_view(c.campo) == campo;
    });
    return static_cast<int>(it - columnas.begin()) + 1;
}

// The data rows of a grid: all but the header and the trailing empty row.
int filasDeDatos(const Grilla& g) {
    return std::max(g.filas() - 2, 0);
}

} // namespace

ranking::DatosGrafico GraficoParticipacion(const Grilla& grilla) {
    const int grado = columnaDe(Informe::Participacion, "grado");
    const int porcentaje = columnaDe(Informe::Participacion, "porcentaje");
    ranking::DatosGrafico d;
    d.etiquetasFila = {"Porcentaje de lectores"};
    d.valores.emplace_back();
    for (int f = 1; f <= filasDeDatos(grilla); ++f) {
        const std::string_view nombre = grilla.texto(f, grado);
        if (nombre == FilaTotal) {
            continue;
        }
        d.etiquetasColumna.push_back(nombre.empty() ? "(sin grado)" : std::string(nombre));
        d.valores[0].push_back(grilla.numero(f, porcentaje));
    }
    d.colores = {ranking::PaletaSeries()[7]};
    d.leyenda = false;
    d.etiquetasVerticales = true;
    d.porcentajes = true;
    return d;
}

ranking::DatosGrafico GraficoMensual(const Grilla& grilla) {
    const int mes = columnaDe(Informe::Mensual, "mes");
    const int prestamos = columnaDe(Informe::Mensual, "prestamos");
    const int anterior = columnaDe(Informe::Mensual, "prestamos_anio_anterior");
    std::vector<int> filas(static_cast<std::size_t>(filasDeDatos(grilla)));
    std::iota(filas.begin(), filas.end(), 1);
    // "AAAA-MM" sorts in calendar order, whatever order the grid shows.
    std::sort(filas.begin(), filas.end(),
              [&](int a, int b) { return grilla.texto(a, mes) < grilla.texto(b, mes); });
    ranking::DatosGrafico d;
    d.tipo = ranking::TipoGrafico::Linea;
    d.etiquetasFila = {"Préstamos del período", "Préstamos del año anterior"};
    d.valores.resize(2);
    for (int f : filas) {
        d.etiquetasColumna.emplace_back(grilla.texto(f, mes));
        d.valores[0].push_back(grilla.numero(f, prestamos));
        d.valores[1].push_back(grilla.numero(f, anterior));
    }
    d.colores = {ranking::NaranjaLinea, ranking::PaletaSeries()[0]};
    d.marcadoresSerie1 = true;
    d.etiquetasVerticales = true;
    return d;
}

} // namespace reports::informes
