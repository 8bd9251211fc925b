#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

    // The text of a cell, valid until the grid next changes.
    std::string_view texto(int fila, int columna) const {
        const Celda c = celdas_[indice(fila, columna)];
        return std::string_view(textos_).substr(c.inicio, c.largo);
    }
    void fijarTexto(int fila, int columna, std::string_view valor);
    // The number a cell's text starts with; 0 when it starts with none.
    double numero(int fila, int columna) const;
    // Bytes the cells and their texts take, replaced texts included until
    // they are dropped.
    std::size_t bytesOcupados() const { return celdas_.size() * sizeof(Celda) + textos_.size(); }

    int fila() const { return fila_; }
    int columna() const { return columna_; }
    // Moves the current cell; the selection shrinks to it.
    void fijarCelda(int fila, int columna);
    int filaSel() const { return filaSel_; }
    int columnaSel() const { return columnaSel_; }
    // Extends the selection from the current cell to (fila, columna).
    void extenderSeleccion(int fila, int columna);

    // The selected cells row by row: a tab between cells, a carriage return
    // between rows (the clipboard form). `conTitulos` puts the selected
    // columns' captions (row 0) first, unless the selection holds them.
    std::string textoSeleccion(bool conTitulos = false) const;

private:
    // Where a cell's text lies in textos_: a list of 100 000 loans holds
    // 1.4 million cells, so each costs 8 bytes and no string object.
    struct Celda {
        std::uint32_t inicio = 0;
        std::uint32_t largo = 0;
    };

    std::size_t indice(int fila, int columna) const;
    // Drops the cells past `n` (counting their text as unused).
    void recortarCeldas(std::size_t n);
    void olvidar(Celda c);
    // Rewrites textos_ with the texts in use only, once replaced texts weigh
    // as much as the rest.
    void compactarSiConviene();
    void compactar();

    int filas_ = 0;
    int columnas_ = 0;
    std::vector<Celda> celdas_; // row by row
    std::string textos_;        // every cell's text, one after another
    std::size_t sinUso_ = 0;    // bytes of textos_ no cell points at
    std::vector<int> anchos_;
    int fila_ = 0;
    int columna_ = 0;
    int filaSel_ = 0;
    int columnaSel_ = 0;
};

} // namespace reports
