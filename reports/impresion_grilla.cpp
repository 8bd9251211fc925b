#include "reports/impresion_grilla.h"

#include "reports/encabezado_salida.h"
#include "reports/grilla.h"

#include <algorithm>

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
          derecha_(izquierda + AnchoImpreso(grilla)), y_(arriba) {}

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

double altoPie(const MedidorTexto& impresora) {
    return impresora.altoLinea() + 2 * MargenCelda;
}

// The heading's lines from the page's top, each cut to the page's width;
// returns where what follows begins.
double agregarEncabezado(const MedidorTexto& impresora, PaginaImpresa& pagina,
                         const std::vector<std::string>& encabezado, double ancho) {
    double y = 0;
    for (std::size_t i = 0; i < encabezado.size(); ++i) {
        const double tamano = i == 0 ? TamanoTitulo : 1;
        pagina.push_back({OperacionDibujo::Tipo::Texto, 0, y, 0, y,
                          AjustarAncho(impresora, encabezado[i], ancho / tamano), tamano});
        y += impresora.altoLinea() * tamano;
    }
    return encabezado.empty() ? 0 : y + 2 * MargenCelda;
}

} // namespace

double AnchoImpreso(const Grilla& grilla) {
    double ancho = MargenCelda;
    for (int k = 0; k < grilla.columnas(); ++k) {
        ancho += grilla.ancho(k) + 2 * MargenCelda;
    }
    return ancho;
}

std::vector<PaginaImpresa> PaginasGrilla(const MedidorTexto& impresora, const Grilla& grilla,
                                         const std::vector<std::string>& encabezado, Hoja hoja) {
    PaginaImpresa cabeza;
    const double arribaTabla = agregarEncabezado(impresora, cabeza, encabezado, hoja.ancho);
    const double escala = std::min(1.0, hoja.ancho / AnchoImpreso(grilla));
    const double altoTabla = (hoja.alto - arribaTabla - altoPie(impresora)) / escala;
    std::vector<PaginaImpresa> paginas = ImprimirGrilla(impresora, grilla, 0, 0, altoTabla);
    for (PaginaImpresa& pagina : paginas) {
        for (OperacionDibujo& op : pagina) {
            op.x1 *= escala;
            op.x2 *= escala;
            op.y1 = arribaTabla + op.y1 * escala;
            op.y2 = arribaTabla + op.y2 * escala;
            op.tamano *= escala;
        }
        pagina.insert(pagina.begin(), cabeza.begin(), cabeza.end());
    }
    return paginas;
}

PaginaImpresa PaginaGrafico(const MedidorTexto& impresora,
                            const std::vector<std::string>& encabezado,
                            const std::string& descripcion, Hoja hoja) {
    PaginaImpresa pagina;
    const double arriba = agregarEncabezado(impresora, pagina, encabezado, hoja.ancho);
    const double abajo = hoja.alto - altoPie(impresora) - impresora.altoLinea() - MargenCelda;
    pagina.push_back({OperacionDibujo::Tipo::Grafico, 0, arriba, hoja.ancho, abajo, {}});
    pagina.push_back({OperacionDibujo::Tipo::Texto, 0, abajo + MargenCelda, 0, abajo + MargenCelda,
                      AjustarAncho(impresora, descripcion, hoja.ancho)});
    return pagina;
}

void NumerarPaginas(const MedidorTexto& impresora, std::vector<PaginaImpresa>& paginas, Hoja hoja) {
    const double y = hoja.alto - impresora.altoLinea();
    for (std::size_t n = 0; n < paginas.size(); ++n) {
        const std::string texto = TextoPagina(n + 1, paginas.size());
        const double x = hoja.ancho - impresora.ancho(texto);
        paginas[n].push_back({OperacionDibujo::Tipo::Texto, x, y, x, y, texto});
    }
}

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
