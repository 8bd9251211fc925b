#pragma once

#include "reports/condicion_filtros.h"

#include <array>
#include <string>

// The ranking's choices and the statement they compose: the "Agrupar por"
// options, the "Mostrar" boxes, the field list and the bar description.
namespace reports::ranking {

// The "Agrupar por" options, by index.
enum Agrupacion : int { PorUsuario = 0, PorLibro = 1, PorTema = 2, PorGrado = 3, PorNivel = 4 };
constexpr int CantidadAgrupaciones = 5;

// The "Mostrar" boxes, by index: DNI, Apellido y Nombre, Grado, Tipo, Titulo,
// Tematica, Autor.
constexpr int CantidadCasillas = 7;
struct Casilla {
    bool habilitada = true;
    bool marcada = false;
};
using Casillas = std::array<Casilla, CantidadCasillas>;
using Marcas = std::array<bool, CantidadCasillas>;

// A click on option `agrupacion`: the boxes it does not offer are disabled and
// unticked; the ones it offers are enabled and keep their tick.
void AjustarCasillas(int agrupacion, Casillas& casillas);
// The box of the grouping's own column (-1 for "Grado", which forces none).
// Every refresh ticks and disables it.
int CasillaPropia(int agrupacion);
void FijarCasillaPropia(int agrupacion, Casillas& casillas);
Marcas MarcasDe(const Casillas& casillas);
// What a refresh ticks for a grouping chosen with no box ticked, and with
// every box it offers ticked.
Marcas MarcasPropias(int agrupacion);
Marcas MarcasTodas(int agrupacion);

// The field list: slot k names the column a ranking row carries in position k
// (empty when not shown); slot 8 is the count. Slots 8 and 9 are never shown
// in the list.
constexpr int CantidadRanuras = 10;
constexpr int RanurasMostradas = 8;
using ListaCampos = std::array<std::string, CantidadRanuras>;
ListaCampos Campos(int agrupacion, const Marcas& marcas);

// SELECT prefix, the filter condition, GROUP BY and ORDER BY tail.
std::string SentenciaRanking(int agrupacion, const Marcas& marcas, const EstadoFiltros& filtros);

// What each bar shows: "DNI - Nombre y Apellido -  (Porcentaje)".
std::string Descripcion(int agrupacion, const Marcas& marcas, bool porcentaje);

// Throws Error(5) outside 0..4.
void ValidarAgrupacion(int agrupacion);

} // namespace reports::ranking
