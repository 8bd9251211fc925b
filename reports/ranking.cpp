#include "reports/ranking.h"

#include "core/error.h"

#include <vector>

namespace reports::ranking {

namespace {

struct Pieza {
    int casilla; // the box that includes it
    const char* texto;
};

// The statement pieces of one grouping. The optional pieces stand, in the
// same order, both after the SELECT column and after the GROUP BY column.
struct Forma {
    const char* seleccion;
    std::vector<Pieza> opcionales;
    const char* cuenta;
    const char* grupo;
    const char* orden;
};

const std::vector<Pieza>& PiezasDeGrado() {
    static const std::vector<Pieza> piezas{{0, ", dni"},       {1, ", apellido, nombre"},
                                           {4, ", titulo"},    {6, ", autor "},
                                           {5, ", tematica "}, {3, ", tipo_usu "}};
    return piezas;
}

const Forma& FormaDe(int agrupacion) {
    static const std::array<Forma, CantidadAgrupaciones> formas{{
        {"SELECT dni",
         {{1, ", apellido, nombre"}, {2, ", grado "}, {3, ", tipo_usu"}},
         ", COUNT(dni) AS cant FROM presta ",
         "GROUP BY dni ",
         " ORDER BY COUNT(dni) DESC"},
        {"SELECT titulo",
         {{5, ", tematica"}, {6, ", autor "}},
         ", COUNT(dni) AS cant FROM presta ",
         "GROUP BY titulo ",
         " ORDER BY COUNT(titulo) DESC"},
        {"SELECT tematica",
         {{0, ", dni"}, {1, ", apellido, nombre"}, {4, ", titulo"}, {6, ", autor "}},
         ", COUNT(tematica) AS cant FROM presta ",
         "GROUP BY tematica",
         " ORDER BY COUNT(tematica) DESC"},
        {"SELECT grado", PiezasDeGrado(), ", COUNT(grado) AS cant FROM presta ", "GROUP BY grado",
         " ORDER BY COUNT(grado) DESC"},
        {"SELECT LEFT(grado,1) AS nivel", PiezasDeGrado(),
         ", COUNT(LEFT(grado,1)) AS cant FROM presta ", "GROUP BY LEFT(grado,1)",
         " ORDER BY COUNT(LEFT(grado,1)) DESC"},
    }};
    ValidarAgrupacion(agrupacion);
    return formas[static_cast<std::size_t>(agrupacion)];
}

// The box that shows each slot; slots 1 and 2 (first name, surname) share one.
constexpr std::array<int, RanurasMostradas> CasillaDeRanura{0, 1, 1, 2, 3, 4, 5, 6};
// The slot of each grouping's own column.
constexpr std::array<int, CantidadAgrupaciones> RanuraPropia{0, 5, 6, 3, 3};

void agregarOpcionales(std::string& s, const Forma& f, const Marcas& marcas) {
    for (const Pieza& p : f.opcionales) {
        if (marcas[static_cast<std::size_t>(p.casilla)]) {
            s += p.texto;
        }
    }
}

} // namespace

void ValidarAgrupacion(int agrupacion) {
    if (agrupacion < 0 || agrupacion >= CantidadAgrupaciones) {
        throw core::Error(core::Error::ArgumentoInvalido, "Agrupación desconocida");
    }
}

void AjustarCasillas(int agrupacion, Casillas& casillas) {
    ValidarAgrupacion(agrupacion);
    for (int i = 0; i < CantidadCasillas; ++i) {
        const bool deUsuario = i <= 3;
        bool ofrecida = true;
        if (agrupacion == PorUsuario) {
            ofrecida = deUsuario;
        } else if (agrupacion == PorLibro || agrupacion == PorTema) {
            ofrecida = !deUsuario;
        }
        Casilla& c = casillas[static_cast<std::size_t>(i)];
        c.habilitada = ofrecida;
        c.marcada = ofrecida && c.marcada;
    }
}

int CasillaPropia(int agrupacion) {
    static constexpr std::array<int, CantidadAgrupaciones> propia{0, 4, 5, -1, 2};
    ValidarAgrupacion(agrupacion);
    return propia[static_cast<std::size_t>(agrupacion)];
}

void FijarCasillaPropia(int agrupacion, Casillas& casillas) {
    const int i = CasillaPropia(agrupacion);
    if (i >= 0) {
        casillas[static_cast<std::size_t>(i)] = Casilla{false, true};
    }
}

Marcas MarcasDe(const Casillas& casillas) {
    Marcas m{};
    for (std::size_t i = 0; i < casillas.size(); ++i) {
        m[i] = casillas[i].marcada;
    }
    return m;
}

namespace {

Marcas marcasCon(int agrupacion, bool todas) {
    Casillas casillas;
    AjustarCasillas(agrupacion, casillas);
    for (Casilla& c : casillas) {
        c.marcada = todas && c.habilitada;
    }
    FijarCasillaPropia(agrupacion, casillas);
    return MarcasDe(casillas);
}

} // namespace

Marcas MarcasPropias(int agrupacion) {
    return marcasCon(agrupacion, false);
}

Marcas MarcasTodas(int agrupacion) {
    return marcasCon(agrupacion, true);
}

ListaCampos Campos(int agrupacion, const Marcas& marcas) {
    static constexpr std::array<const char*, RanurasMostradas> columnas{
        "dni", "nombre", "apellido", "grado", "tipo_usu", "titulo", "tematica", "autor"};
    ValidarAgrupacion(agrupacion);
    ListaCampos campos;
    const int propia = RanuraPropia[static_cast<std::size_t>(agrupacion)];
    for (int k = 0; k < RanurasMostradas; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (k == propia || marcas[static_cast<std::size_t>(CasillaDeRanura[i])]) {
            campos[i] = columnas[i];
        }
    }
    if (agrupacion == PorNivel) {
        campos[3] = "nivel";
    }
    campos[RanurasMostradas] = "cant";
    return campos;
}

std::string SentenciaRanking(int agrupacion, const Marcas& marcas, const EstadoFiltros& filtros) {
    const Forma& f = FormaDe(agrupacion);
    std::string s = f.seleccion;
    agregarOpcionales(s, f, marcas);
    s += f.cuenta;
    s += CondicionFiltros(filtros).texto;
    s += f.grupo;
    agregarOpcionales(s, f, marcas);
    s += f.orden;
    return s;
}

std::string Descripcion(int agrupacion, const Marcas& marcas, bool porcentaje) {
    const ListaCampos campos = Campos(agrupacion, marcas);
    const bool autorSolo = agrupacion == PorLibro || agrupacion == PorTema;
    const std::array<const char*, RanurasMostradas> piezas{"DNI - ",
                                                           "Nombre y Apellido - ",
                                                           "",
                                                           agrupacion == PorNivel ? "Nivel - "
                                                                                  : "Grado - ",
                                                           "Tipo de Usuario - ",
                                                           "Titulo - ",
                                                           "Tematica - ",
                                                           autorSolo ? "Autor" : "Autor - "};
    std::string d;
    for (std::size_t k = 0; k < piezas.size(); ++k) {
        if (!campos[k].empty()) {
            d += piezas[k];
        }
    }
    return d + (porcentaje ? " (Porcentaje)" : " (Cantidad)");
}

} // namespace reports::ranking
