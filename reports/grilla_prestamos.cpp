#include "reports/grilla_prestamos.h"

#include "core/texto.h"
#include "store/almacen.h"
#include "store/registros.h"

#include <charconv>
#include <ostream>

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

bool enBlanco(std::string_view valor) {
    // Most values start with a letter or digit: stop there.
    for (const char c : valor) {
        if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return true;
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

// A row number as text, without an allocation.
class NumeroFila {
public:
    explicit NumeroFila(int n) : fin_(std::to_chars(cifras_, cifras_ + sizeof cifras_, n).ptr) {}
    std::string_view texto() const {
        return std::string_view(cifras_, static_cast<std::size_t>(fin_ - cifras_));
    }

private:
    char cifras_[12];
    char* fin_;
};

// Numbers row `fila` and fills it with `celdas` (blank ones stay empty),
// then opens the next one, current on its last column.
template <typename Celdas> void agregarFila(Grilla& g, int fila, const Celdas& celdas) {
    g.fijarTexto(fila, 0, NumeroFila(fila).texto());
    const int ultima = g.columnas() - 1;
    for (int c = 1; c <= ultima; ++c) {
        const std::string_view valor = celdas[static_cast<std::size_t>(c - 1)];
        if (!enBlanco(valor)) {
            g.fijarTexto(fila, c, valor);
        }
    }
    g.fijarFilas(fila + 2);
    g.fijarCelda(fila + 1, ultima);
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

FilasGrilla::FilasGrilla(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas)
    : registros_(registros), celdas_(columnas.size()) {
    for (const ColumnaGrilla& columna : columnas) {
        campos_.push_back(registros.indice(columna.campo));
    }
}

bool FilasGrilla::leer() {
    if (!primera_) {
        registros_.siguiente();
    }
    primera_ = false;
    if (registros_.fin()) {
        return false;
    }
    for (std::size_t c = 0; c < campos_.size(); ++c) {
        const std::optional<std::string_view> valor = registros_.vista(campos_[c]);
        celdas_[c] = valor && !enBlanco(*valor) ? *valor : std::string_view();
    }
    return true;
}

Grilla LlenarGrilla(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas) {
    Grilla g = grillaConEncabezado(columnas);
    FilasGrilla filas(registros, columnas);
    for (int fila = 1; filas.leer(); ++fila) {
        agregarFila(g, fila, filas.celdas());
    }
    return g;
}

Grilla GrillaDeFilas(const std::vector<std::vector<std::string>>& filas,
                     const std::vector<ColumnaGrilla>& columnas) {
    Grilla g = grillaConEncabezado(columnas);
    for (std::size_t f = 0; f < filas.size(); ++f) {
        agregarFila(g, static_cast<int>(f) + 1, filas[f]);
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

void EscribirTabulado(store::Registros& registros, const std::vector<ColumnaGrilla>& columnas,
                      std::ostream& salida) {
    FilasGrilla filas(registros, columnas);
    // Written in blocks: one write per cell would cost more than the reading.
    constexpr std::size_t Bloque = 64 * 1024;
    std::string texto;
    texto.reserve(2 * Bloque);
    for (const ColumnaGrilla& columna : columnas) {
        texto += '\t';
        core::texto::agregarCampoTabulado(texto, columna.titulo);
    }
    texto += '\n';
    for (int fila = 1; filas.leer(); ++fila) {
        texto += NumeroFila(fila).texto();
        for (const std::string_view celda : filas.celdas()) {
            texto += '\t';
            core::texto::agregarCampoTabulado(texto, celda);
        }
        texto += '\n';
        if (texto.size() >= Bloque) {
            salida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
            texto.clear();
        }
    }
    salida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
}

} // namespace reports
