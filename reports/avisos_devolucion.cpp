#include "reports/avisos_devolucion.h"

#include "reports/informes.h"
#include "store/almacen.h"
#include "store/coleccion_espanol.h"
#include "store/registros.h"

#include <map>

namespace reports::informes {

namespace {

constexpr double Margen = 720;     // half an inch around the page
constexpr double Relleno = 120;    // inside each notice's box
constexpr double Separacion = 360; // between two notices
constexpr double Sangria = 240;    // of the titles

struct PorDocumento {
    bool operator()(const std::string& a, const std::string& b) const {
        return store::compararEspanol(a, b) < 0;
    }
};

// One printed line of a notice: texts at offsets from the box's left side.
using Linea = std::vector<std::pair<double, std::string>>;

std::string dias(const std::string& n) {
    return n + (n == "1" ? " día de atraso" : " días de atraso");
}

std::vector<Linea> lineasDe(const MedidorTexto& medidor, const AvisoDevolucion& a,
                            const std::string& cue, core::Fecha hoy, double ancho) {
    const double titulo = ancho * 0.52;
    const double vence = ancho * 0.55;
    const double atraso = ancho * 0.78;
    std::string socio = a.apellido;
    if (!a.nombre.empty()) {
        socio += (socio.empty() ? "" : ", ") + a.nombre;
    }
    std::vector<Linea> lineas{
        {{0, "Aviso de devolución"}},
        {{0, "Escuela (CUE): " + (cue.empty() ? std::string("sin código") : cue)},
         {atraso, "Fecha: " + FechaLegible(core::textoAAAAMMDD(hoy))}},
        {{0, "Socio: " + socio}, {vence, "Legajo: " + a.legajo}, {atraso, "Grado: " + a.grado}},
        {{0, "Debe devolver a la biblioteca:"}},
    };
    for (const LibroAtrasado& l : a.libros) {
        const std::string inventario = l.inventario.empty() ? "" : " (inv. " + l.inventario + ")";
        lineas.push_back({{Sangria, AjustarAncho(medidor, l.titulo + inventario, titulo - Sangria)},
                          {vence, "vencía el " + FechaLegible(l.fechaDevolucion)},
                          {atraso, l.dias.empty() ? "" : dias(l.dias)}});
    }
    lineas.push_back({});
    lineas.push_back({{0, "Firma: ________________________________"}});
    return lineas;
}

class Paginador {
public:
    Paginador(double altoLinea, double ancho, double alto)
        : altoFila_(altoLinea + MargenCelda), derecha_(ancho - Margen), abajo_(alto - Margen) {}

    void aviso(const std::vector<Linea>& lineas) {
        const double alto = 2 * Relleno + static_cast<double>(lineas.size()) * altoFila_;
        if (y_ > Margen && y_ + alto > abajo_) {
            nuevaPagina();
        }
        double arriba = y_;
        y_ += Relleno;
        for (const Linea& linea : lineas) {
            // Only a notice longer than a page comes here: it goes on boxed.
            if (y_ + altoFila_ + Relleno > abajo_ && y_ > arriba + Relleno) {
                caja(arriba, y_ + Relleno);
                nuevaPagina();
                arriba = y_;
                y_ += Relleno;
            }
            for (const auto& [x, texto] : linea) {
                if (!texto.empty()) {
                    pagina_.push_back(
                        {OperacionDibujo::Tipo::Texto, Margen + Relleno + x, y_, 0, 0, texto});
                }
            }
            y_ += altoFila_;
        }
        caja(arriba, y_ + Relleno);
        y_ += Relleno + Separacion;
    }

    std::vector<PaginaImpresa> paginas() {
        if (!pagina_.empty()) {
            paginas_.push_back(std::move(pagina_));
        }
        return std::move(paginas_);
    }

private:
    void caja(double arriba, double abajo) {
        pagina_.push_back({OperacionDibujo::Tipo::Caja, Margen, arriba, derecha_, abajo, {}});
    }
    void nuevaPagina() {
        paginas_.push_back(std::move(pagina_));
        pagina_.clear();
        y_ = Margen;
    }

    double altoFila_;
    double derecha_;
    double abajo_;
    double y_ = Margen;
    PaginaImpresa pagina_;
    std::vector<PaginaImpresa> paginas_;
};

} // namespace

std::vector<AvisoDevolucion> AvisosDevolucion(store::Contexto& ctx, const EstadoFiltros& filtros) {
    const auto filas = store::EjecutarConsulta(
        ctx, SentenciaInforme(Informe::Atrasos, filtros, Definicion(Informe::Atrasos).orden));
    std::vector<AvisoDevolucion> avisos;
    std::map<std::string, std::size_t, PorDocumento> porSocio;
    for (; !filas->fin(); filas->siguiente()) {
        const auto [lugar, nuevo] = porSocio.emplace(filas->texto("dni"), avisos.size());
        if (nuevo) {
            avisos.push_back({filas->texto("apellido"),
                              filas->texto("nombre"),
                              filas->texto("legajo"),
                              filas->texto("grado"),
                              {}});
        }
        avisos[lugar->second].libros.push_back({filas->texto("titulo"), filas->texto("inventario"),
                                                filas->texto("fecha_devolucion"),
                                                filas->texto("dias_atraso")});
    }
    return avisos;
}

std::string FechaLegible(const std::string& f) {
    if (f.size() != 8 || f.find_first_not_of("0123456789") != std::string::npos) {
        return f;
    }
    return f.substr(6, 2) + "/" + f.substr(4, 2) + "/" + f.substr(0, 4);
}

std::vector<PaginaImpresa> ImprimirAvisos(const MedidorTexto& impresora,
                                          const std::vector<AvisoDevolucion>& avisos,
                                          const std::string& cue, core::Fecha hoy,
                                          double anchoPagina, double altoPagina) {
    Paginador p(impresora.altoLinea(), anchoPagina, altoPagina);
    const double ancho = anchoPagina - 2 * Margen - 2 * Relleno;
    for (const AvisoDevolucion& a : avisos) {
        p.aviso(lineasDe(impresora, a, cue, hoy, ancho));
    }
    return p.paginas();
}

} // namespace reports::informes
