#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace store {

class BaseDatos;

// The 17 columns of presta, in the order the load run writes them.
inline constexpr std::array<const char*, 17> ColumnasPresta{"dni",
                                                            "legajo",
                                                            "nombre",
                                                            "apellido",
                                                            "grado",
                                                            "tipo_usu",
                                                            "direccion",
                                                            "suspendido",
                                                            "titulo",
                                                            "isbn",
                                                            "tematica",
                                                            "autor",
                                                            "inventario",
                                                            "devuelto",
                                                            "fecha_presta",
                                                            "nro_renovaciones",
                                                            "fecha_devolucion"};

// The tables of the librarian's reports, filled by the load run beside
// presta: the active members and the catalogue's copies, columns in the
// order the load run writes them.
inline constexpr std::array<const char*, 8> ColumnasUsuarios{
    "dni", "legajo", "apellido", "nombre", "tipo_usu", "grado", "direccion", "suspendido"};
inline constexpr std::array<const char*, 5> ColumnasEjemplares{"inventario", "titulo", "autor",
                                                               "tematica", "isbn"};

struct Provincia {
    int id; // the official two-digit code
    const char* nombre;
};

// The 24 jurisdictions whose codes key the table ciudades, by name.
const std::vector<Provincia>& Provincias();

// Creates presta, usuarios, ejemplares, their indexes and ciudades (with its
// rows) when missing.
void crearEsquema(BaseDatos& base);

// How many indexes presta has.
inline constexpr std::size_t IndicesPresta = 5;

// The indexes of presta on the columns reports filter and group on; the load
// run drops them for its bulk insert and builds them again afterwards,
// hearing `alCrearCada` after each one (a long step at 100 000 loans).
void crearIndicesPresta(BaseDatos& base, const std::function<void()>& alCrearCada = {});
void borrarIndicesPresta(BaseDatos& base);

// The same for the tables of the reports.
void crearTablasInformes(BaseDatos& base);
void crearIndicesInformes(BaseDatos& base);
void borrarIndicesInformes(BaseDatos& base);

// Refreshes what the query planner knows of presta's values after a bulk
// load; without it the planner walks an index where a scan is far cheaper.
void actualizarEstadisticasPresta(BaseDatos& base);

} // namespace store
