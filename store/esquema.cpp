#include "store/esquema.h"

#include "store/base_datos.h"

namespace store {

namespace {

constexpr std::array<const char*, IndicesPresta> ColumnasIndexadas{"tipo_usu", "grado", "tematica",
                                                                   "titulo", "dni"};

// A column of a report table that an index answers.
struct ColumnaIndexada {
    const char* tabla;
    const char* columna;
};
// Members are looked up by their document from each loan.
constexpr std::array<ColumnaIndexada, 1> IndexadasInformes{{{"usuarios", "dni"}}};

void crearIndice(BaseDatos& base, const std::string& tabla, const std::string& columna) {
    base.ejecutar("CREATE INDEX IF NOT EXISTS " + tabla + "_" + columna + " ON " + tabla + " (" +
                  columna + ")");
}

// Every index of the table, also those an earlier version of the store made.
void borrarIndices(BaseDatos& base, const std::string& tabla) {
    std::vector<std::string> nombres;
    Sentencia indices(base, "SELECT name FROM sqlite_master WHERE type='index' AND "
                            "tbl_name=? AND sql IS NOT NULL");
    indices.enlazar(1, tabla);
    while (indices.paso()) {
        nombres.push_back(indices.valor(0).value_or(""));
    }
    for (const std::string& nombre : nombres) {
        base.ejecutar("DROP INDEX IF EXISTS \"" + nombre + "\"");
    }
}

// A table of text columns that compare as the original engine compared them.
template <std::size_t N>
void crearTabla(BaseDatos& base, const std::string& nombre,
                const std::array<const char*, N>& columnas) {
    std::string definicion;
    for (const char* columna : columnas) {
        definicion +=
            std::string(definicion.empty() ? "" : ", ") + columna + " TEXT COLLATE ESPANOL";
    }
    base.ejecutar("CREATE TABLE IF NOT EXISTS " + nombre + " (" + definicion + ")");
}

struct Ciudades {
    int provincia;
    std::vector<const char*> nombres;
};

// The main cities of each jurisdiction.
const std::vector<Ciudades>& CiudadesPorProvincia() {
    static const std::vector<Ciudades> datos{
        {2, {"Ciudad Autónoma de Buenos Aires"}},
        {6,
         {"La Plata", "Mar del Plata", "Bahía Blanca", "Tandil", "Quilmes", "Lomas de Zamora",
          "Morón", "San Isidro", "Pergamino", "Junín", "Olavarría", "Necochea"}},
        {10, {"San Fernando del Valle de Catamarca", "Andalgalá", "Belén", "Tinogasta"}},
        {14,
         {"Córdoba", "Río Cuarto", "Villa María", "San Francisco", "Villa Carlos Paz",
          "Alta Gracia", "Bell Ville"}},
        {18, {"Corrientes", "Goya", "Paso de los Libres", "Curuzú Cuatiá", "Mercedes"}},
        {22, {"Resistencia", "Presidencia Roque Sáenz Peña", "Villa Ángela", "Charata"}},
        {26, {"Rawson", "Comodoro Rivadavia", "Trelew", "Puerto Madryn", "Esquel"}},
        {30, {"Paraná", "Concordia", "Gualeguaychú", "Concepción del Uruguay", "Victoria"}},
        {34, {"Formosa", "Clorinda", "Pirané", "El Colorado"}},
        {38,
         {"San Salvador de Jujuy", "San Pedro", "Libertador General San Martín", "Palpalá",
          "Humahuaca"}},
        {42, {"Santa Rosa", "General Pico", "Toay", "General Acha"}},
        {46, {"La Rioja", "Chilecito", "Aimogasta", "Chamical"}},
        {50, {"Mendoza", "San Rafael", "Godoy Cruz", "Maipú", "Luján de Cuyo", "Malargüe"}},
        {54, {"Posadas", "Oberá", "Eldorado", "Puerto Iguazú", "Apóstoles"}},
        {58, {"Neuquén", "Cutral Có", "Zapala", "San Martín de los Andes", "Plottier"}},
        {62, {"Viedma", "San Carlos de Bariloche", "General Roca", "Cipolletti", "Villa Regina"}},
        {66, {"Salta", "San Ramón de la Nueva Orán", "Tartagal", "Metán", "Cafayate"}},
        {70, {"San Juan", "Rawson", "Chimbas", "Caucete", "Jáchal"}},
        {74, {"San Luis", "Villa Mercedes", "Merlo", "La Punta"}},
        {78, {"Río Gallegos", "Caleta Olivia", "El Calafate", "Puerto Deseado", "Pico Truncado"}},
        {82, {"Santa Fe", "Rosario", "Rafaela", "Venado Tuerto", "Reconquista", "Santo Tomé"}},
        {86, {"Santiago del Estero", "La Banda", "Termas de Río Hondo", "Añatuya", "Frías"}},
        {90,
         {"San Miguel de Tucumán", "Yerba Buena", "Tafí Viejo", "Concepción",
          "Banda del Río Salí"}},
        {94, {"Ushuaia", "Río Grande", "Tolhuin"}},
    };
    return datos;
}

void llenarCiudades(BaseDatos& base) {
    Sentencia insercion(base,
                        "INSERT INTO ciudades (idprovincia, idciudad, nombre) VALUES (?, ?, ?)");
    int idCiudad = 0;
    for (const Ciudades& c : CiudadesPorProvincia()) {
        for (const char* nombre : c.nombres) {
            insercion.reiniciar();
            insercion.enlazar(1, std::to_string(c.provincia));
            insercion.enlazar(2, std::to_string(++idCiudad));
            insercion.enlazar(3, std::string(nombre));
            insercion.paso();
        }
    }
}

} // namespace

const std::vector<Provincia>& Provincias() {
    static const std::vector<Provincia> lista{
        {2, "Ciudad Autónoma de Buenos Aires"},
        {6, "Buenos Aires"},
        {10, "Catamarca"},
        {14, "Córdoba"},
        {18, "Corrientes"},
        {22, "Chaco"},
        {26, "Chubut"},
        {30, "Entre Ríos"},
        {34, "Formosa"},
        {38, "Jujuy"},
        {42, "La Pampa"},
        {46, "La Rioja"},
        {50, "Mendoza"},
        {54, "Misiones"},
        {58, "Neuquén"},
        {62, "Río Negro"},
        {66, "Salta"},
        {70, "San Juan"},
        {74, "San Luis"},
        {78, "Santa Cruz"},
        {82, "Santa Fe"},
        {86, "Santiago del Estero"},
        {90, "Tucumán"},
        {94, "Tierra del Fuego, Antártida e Islas del Atlántico Sur"},
    };
    return lista;
}

void crearIndicesPresta(BaseDatos& base, const std::function<void()>& alCrearCada) {
    for (const char* columna : ColumnasIndexadas) {
        crearIndice(base, "presta", columna);
        if (alCrearCada) {
            alCrearCada();
        }
    }
}

void borrarIndicesPresta(BaseDatos& base) {
    borrarIndices(base, "presta");
}

void crearTablasInformes(BaseDatos& base) {
    crearTabla(base, "usuarios", ColumnasUsuarios);
    crearTabla(base, "ejemplares", ColumnasEjemplares);
}

void crearIndicesInformes(BaseDatos& base) {
    for (const ColumnaIndexada& i : IndexadasInformes) {
        crearIndice(base, i.tabla, i.columna);
    }
}

void borrarIndicesInformes(BaseDatos& base) {
    borrarIndices(base, "usuarios");
    borrarIndices(base, "ejemplares");
}

void actualizarEstadisticasPresta(BaseDatos& base) {
    // A sample is enough to tell a selective index from one that is not.
    base.ejecutar("PRAGMA analysis_limit = 1000; ANALYZE presta");
}

void crearEsquema(BaseDatos& base) {
    crearTabla(base, "presta", ColumnasPresta);
    crearIndicesPresta(base);
    crearTablasInformes(base);
    crearIndicesInformes(base);
    const bool hayCiudades =
        Sentencia(base, "SELECT 1 FROM sqlite_master WHERE type='table' AND name='ciudades'")
            .paso();
    if (!hayCiudades) {
        Transaccion t(base);
        base.ejecutar("CREATE TABLE ciudades (idprovincia INTEGER, idciudad INTEGER, "
                      "nombre TEXT COLLATE ESPANOL)");
        base.ejecutar("CREATE INDEX ciudades_idprovincia ON ciudades (idprovincia)");
        llenarCiudades(base);
        t.confirmar();
    }
}

} // namespace store
