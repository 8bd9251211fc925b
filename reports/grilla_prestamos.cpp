#include "reports/grilla_prestamos.h"

#include "core/texto.h"
#include "store/almacen.h"
#include "store/registros.h"

namespace reports {

namespace {

std::vector<ColumnaGrilla> columnasComunes(int anchoInventario) {
    return {{"DNI", 1000, "dni"},
            {"Legajo", 1000, "legajo"},
            {"Nombre", 1500, "nombre"},
            {"Apellido", 1500, "apellido"},
            {"Grado", 800, "grado"},
            {"Tipo Usuario", 1000, "tipo_usu"},
            {"Título", 3000, "titulo"},
            {"Temática", 1000, "tematica"},
            {"Autor", 1200, "autor"},
            {"Inventario", anchoInventario, "inventario"},
            {"Fecha Prestamo", 1300, "fecha_presta"},
            {"Fecha Devolucion", 1300, "fecha_devolucion"},
            {"Devuelto", 900, "devuelto"}};
}

bool enBlanco(const std::string& valor) {
    return valor.find_first_not_of(" \t") == std::string::npos;
}

// The header row and one empty row, current, as a run starts.
Grilla grillaConEncabezado(const std::vector<ColumnaGrilla>& columnas) {
    Grilla g;
    g.fijarColumnas(static_cast<int>(columnas.size()) + 1);
    g.fijarAncho(0, AnchoNumeroFila);
    g.fijarFilas(1);
    for (std::size_t c = 0; c < columnas.size(); ++c) {
        g.fijarAncho(static_cast<int>(c) + 1, columnas[c].ancho);
        g.fijarTexto(0, static_cast<int>(c) + 1, columnas[c].titulo);
    }
    g.fijarFilas(2);
    g.fijarCelda(1, 1);
    return g;
}

// Numbers row `fila`, shown empty until `valor` fills its cells, then opens
// the next one, current on its last column.
template <typename Valor> void agregarFila(Grilla& g, int fila, const Valor& valor) {
    g.fijarTexto(fila, 0, std::to_string(fila));
    for (int c = 1; c < g.columnas(); ++c) {
        std::optional<std::string> v = valor(c - 1);
        if (v && !enBlanco(*v)) {
            g.fijarTexto(fila, c, std::move(*v));
        }
    }
    g.fijarFilas(fila + 2);
    g.fijarCelda(fila + 1, g.columnas() - 1);
}

} // namespace

const std::vector<ColumnaGrilla>& ColumnasPrestamos() {
    static const std::vector<ColumnaGrilla> columnas = columnasComunes(1200);
    return columnas;
}

const std::vector<ColumnaGrilla>& ColumnasUsuarios() {
    static const std::vector<ColumnaGrilla> columnas = [] {
        auto c = columnasComunes(850);
        c.push_back({"Suspendido", 1000, "suspendido"});
        return c;
    }();
    return columnas;
}

Grilla LlenarGrilla(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas) {
    Grilla g = grillaConEncabezado(columnas);
    std::vector<int> campos;
    for (const ColumnaGrilla& columna : columnas) {
        campos.push_back(registros.indice(columna.campo));
    }
    for (int fila = 1; !registros.fin(); ++fila) {
        agregarFila(g, fila,
                    [&](int c) { return registros.valor(campos[static_cast<std::size_t>(c)]); });
        registros.siguiente();
    }
    return g;
}

Grilla GrillaDeFilas(const std::vector<std::vector<std::string>>& filas,
                     const std::vector<ColumnaGrilla>& columnas) {
    Grilla g = grillaConEncabezado(columnas);
    for (std::size_t f = 0; f < filas.size(); ++f) {
        agregarFila(g, static_cast<int>(f) + 1, [&](int c) {
            return std::optional<std::string>(filas[f].at(static_cast<std::size_t>(c)));
        });
    }
    return g;
}

Grilla GrillaDeConsulta(store::Contexto& ctx, const std::string& sentencia,
                        const std::vector<ColumnaGrilla>& columnas) {
    auto registros = store::EjecutarConsulta(ctx, sentencia);
    return LlenarGrilla(*registros, columnas);
}

std::optional<std::string> ClaveOrden(const Grilla& grilla,
                                      const std::vector<ColumnaGrilla>& columnas) {
    const int c = grilla.columna();
    if (grilla.fila() != 1 || c < 1 || c > static_cast<int>(columnas.size())) {
        return std::nullopt;
    }
    return columnas[static_cast<std::size_t>(c - 1)].campo;
}

std::string TextoTabulado(const Grilla& grilla) {
    std::string salida;
    for (int f = 0; f + 1 < grilla.filas(); ++f) {
        for (int c = 0; c < grilla.columnas(); ++c) {
            if (c > 0) {
                salida += '\t';
            }
            salida += core::texto::campoTabulado(grilla.texto(f, c));
        }
        salida += '\n';
    }
    return salida;
}

} // namespace reports
