#include "reports/impresion_grilla.h"

#include "reports/grilla.h"

namespace reports {

namespace {

// Byte position where the last UTF-8 character of a non-empty text starts.
std::size_t inicioUltimoCaracter(const std::string& texto) {
    std::size_t i = texto.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(texto[i]) & 0xC0) == 0x80) {
        --i;
    }
    return i;
}

class Paginador {
public:
    Paginador(const MedidorTexto& impresora, const Grilla& grilla, double izquierda, double arriba)
        : impresora_(impresora), grilla_(grilla), izquierda_(izquierda), arriba_(arriba),
          y_(arriba) {
        derecha_ = izquierda + MargenCelda;
        for (int k = 0; k < grilla.columnas(); ++k) {
            derecha_ += grilla.ancho(k) + 2 * MargenCelda;
        }
    }

    double altoFila() const { return 2 * MargenCelda + impresora_.altoLinea(); }
    double y() const { return y_; }
    int filasEnPagina() const { return filasEnPagina_; }

    void fila(int r) {
        if (filasEnPagina_ > 0) {
            linea(izquierda_, y_, derecha_, y_);
        }
        y_ += MargenCelda;
        double x = izquierda_ + MargenCelda;
        for (int k = 0; k < grilla_.columnas(); ++k) {
            const std::string texto =
                AjustarAncho(impresora_, std::string(grilla_.texto(r, k)), grilla_.ancho(k));
            if (!texto.empty()) {
                pagina_.push_back({OperacionDibujo::Tipo::Texto, x, y_, x, y_, texto});
            }
            x += grilla_.ancho(k) + 2 * MargenCelda;
        }
        y_ += MargenCelda + impresora_.altoLinea();
        ++filasEnPagina_;
    }

    // Boxes and rules the page drawn so far and starts a new one.
    void cerrarPagina() {
        pagina_.push_back({OperacionDibujo::Tipo::Caja, izquierda_, arriba_, derecha_, y_, {}});
        double x = izquierda_;
        for (int k = 0; k + 1 < grilla_.columnas(); ++k) {
            x += grilla_.ancho(k) + 2 * MargenCelda;
            linea(x, arriba_, x, y_);
        }
        paginas_.push_back(std::move(pagina_));
        pagina_.clear();
        y_ = arriba_;
        filasEnPagina_ = 0;
    }

    std::vector<PaginaImpresa> paginas() { return std::move(paginas_); }

private:
    void linea(double x1, double y1, double x2, double y2) {
        pagina_.push_back({OperacionDibujo::Tipo::Linea, x1, y1, x2, y2, {}});
    }

    const MedidorTexto& impresora_;
    const Grilla& grilla_;
    double izquierda_;
    double arriba_;
    double derecha_;
    double y_;
    int filasEnPagina_ = 0;
    PaginaImpresa pagina_;
    std::vector<PaginaImpresa> paginas_;
};

} // namespace

std::string AjustarAncho(const MedidorTexto& impresora, std::string texto, double ancho) {
    while (!texto.empty() && impresora.ancho(texto) > ancho) {
        texto.erase(inicioUltimoCaracter(texto));
    }
    return texto;
}

std::vector<PaginaImpresa> ImprimirGrilla(const MedidorTexto& impresora, const Grilla& grilla,
                                          double izquierda, double arriba, double altoPagina) {
    Paginador p(impresora, grilla, izquierda, arriba);
    for (int r = 0; r < grilla.filas(); ++r) {
        // A page keeps at least the header and one row, however short it is.
        if (altoPagina > 0 && p.filasEnPagina() > 1 && p.y() + p.altoFila() > altoPagina) {
            p.cerrarPagina();
            p.fila(0);
        }
        p.fila(r);
    }
    p.cerrarPagina();
    return p.paginas();
}

} // namespace reports
