#pragma once

#include <string>
#include <vector>

namespace reports {

// The text matrix behind every loan grid: rows and columns of text, row 0
// and column 0 fixed (captions and row numbers), column widths in twips, a
// current cell and a rectangular selection that runs from the current cell
// to (filaSel, columnaSel). No widgets: windows show it through a view.
class Grilla {
public:
    static constexpr int AnchoPorDefecto = 960;

    int filas() const { return filas_; }
    int columnas() const { return columnas_; }
    // Growing adds empty cells; shrinking drops the cells beyond. The current
    // cell and the selection are kept inside the grid.
    void fijarFilas(int n);
    void fijarColumnas(int n);

    int ancho(int columna) const { return anchos_.at(static_cast<std::size_t>(columna)); }
    void fijarAncho(int columna, int twips);

    const std::string& texto(int fila, int columna) const { return celdas_[indice(fila, columna)]; }
    void fijarTexto(int fila, int columna, std::string valor);

    int fila() const { return fila_; }
    int columna() const { return columna_; }
    // Moves the current cell; the selection shrinks to it.
    void fijarCelda(int fila, int columna);
    int filaSel() const { return filaSel_; }
    int columnaSel() const { return columnaSel_; }
    // Extends the selection from the current cell to (fila, columna).
    void extenderSeleccion(int fila, int columna);

    // The selected cells row by row: a tab between cells, a carriage return
    // between rows (the clipboard form).
    std::string textoSeleccion() const;

private:
    std::size_t indice(int fila, int columna) const;

    int filas_ = 0;
    int columnas_ = 0;
    std::vector<std::string> celdas_; // row by row
    std::vector<int> anchos_;
    int fila_ = 0;
    int columna_ = 0;
    int filaSel_ = 0;
    int columnaSel_ = 0;
};

} // namespace reports
