#include "reports/listas_clasificacion.h"

#include "core/error.h"

#include <array>

namespace reports::listas {

namespace {
constexpr std::array<int, 9> PosicionesEncabezado{1, 6, 14, 21, 26, 31, 35, 39, 42};
}

const std::vector<std::string>& TiposUsuario() {
    static const std::vector<std::string> lista{
        "Todos", "Alumno", "Curso", "Dirección", "Docente", "Escuela", "Miembro de la comunidad"};
    return lista;
}

const std::vector<std::string>& Grados() {
    static const std::vector<std::string> lista{
        "TODOS",
        "INICIAL",
        "  00  Sala hasta dos años",
        "  01  Sala de tres",
        "  02  Sala de cuatro",
        "  03  Sala de cinco",
        "PRIMARIA",
        "  11  Primer grado - EGB1",
        "  12  Segundo grado - EGB1",
        "  13  Tercer Grado - EGB1",
        "  14  Cuarto grado - EGB2",
        "  15  Quinto Grado - EGB2",
        "  16  Sexto Grado - EGB2s",
        "  17  Sèptimo Grado - EGB3",
        "SECUNDARIA",
        "  21 Primer año - EGB3",
        "  22 Segundo año - EGB3",
        "  23 Tercer año - POL",
        "  24  Cuarto Año - POL",
        "  25  Quinto año - POL",
        "  26  Sexto año - SEC",
        "TERCIARIA NO UNIVERSITARIA",
        "  31 Primer año",
        "  32 Segundo año",
        "  33 Tercer año",
        "  34 Cuarto año",
        "TERCIARIA UNIVERSITARIA",
        "  41 Primer año",
        "  42 Segundo año",
        "  43 Tercer año",
        "  44 Cuarto año",
        "FUNCIONARIOS ESCOLARES",
        "  51 Supervisor",
        "  52 Director",
        "  53 Otros",
        "PRESTAMOS INTER-BIBLIOTECARIOS",
        "  61 Familiar",
        "  62 Institución escolar",
        "  62 Institución comunidad",
        "POST-TITULOS",
        "  71 Anual",
        "  72 Otros",
        "POSTGRADOS",
        "  81 Anual",
        "  82 Otros",
    };
    return lista;
}

const std::vector<std::string>& Tematicas() {
    static const std::vector<std::string> lista{
        "TODOS",
        "ADMINISTRACION Y ORGANIZACION",
        "AGRICULTURA, GANADERIA Y PESCA",
        "ANTROPOLOGIA",
        "ARQUEOLOGIA",
        "ARTE",
        "ASTRONOMIA",
        "BIBLIOTECOLOGIA",
        "BIOGRAFIAS",
        "BIOLOGIA",
        "CIENCIA",
        "COMUNICACION",
        "CULTURA",
        "DEPORTES",
        "DERECHO",
        "ECOLOGIA",
        "ECONOMIA",
        "EDUCACION",
        "ESTADiSTICA",
        "FILOSOFÖA",
        "FISICA",
        "FOLKLORE",
        "GEOGRAFIA",
        "GEOLOGIA",
        "HISTORIA",
        "INDUSTRIA Y COMERCIO",
        "INFORMATICA",
        "INGENIERIA",
        "LINGUISTICA",
        "LITERATURA",
        "LITERATURA - ADIVINANZAS, RIMAS, COPLAS, CANCIONES Y TRABALENGUAS",
        "LITERATURA - BIOGRAFÍAS",
        "LITERATURA - CUENTOS",
        "LITERATURA - FÁBULAS",
        "LITERATURA - HISTORIETAS",
        "LITERATURA - LEYENDAS",
        "LITERATURA - MITOS",
        "LITERATURA - NOVELAS",
        "LITERATURA - POESÍA",
        "LITERATURA - TEATRO",
        "LITERATURA INFANTIL Y JUVENIL - ADIVINANZAS, RIMAS, COPLAS, CANCIONES Y TRABALENGUAS",
        "LITERATURA INFANTIL Y JUVENIL - BIOGRAFÍAS",
        "LITERATURA INFANTIL Y JUVENIL - CUENTOS",
        "LITERATURA INFANTIL Y JUVENIL - FÁBULAS",
        "LITERATURA INFANTIL Y JUVENIL - HISTORIETAS",
        "LITERATURA INFANTIL Y JUVENIL - LEYENDAS",
        "LITERATURA INFANTIL Y JUVENIL - MITOS",
        "LITERATURA INFANTIL Y JUVENIL - NOVELAS",
        "LITERATURA INFANTIL Y JUVENIL - POESÍA",
        "LITERATURA INFANTIL Y JUVENIL - TEATRO",
        "MATEMATICA",
        "MEDICINA Y SALUD",
        "POLITICA",
        "PSICOLOGIA",
        "QUIMICA",
        "REFERENCIA",
        "RELIGION",
        "SOCIOLOGIA",
        "TECNOLOGIA",
        "TRANSPORTES",
        "TURISMO",
    };
    return lista;
}

bool esEncabezadoNivel(int posicion) {
    for (int p : PosicionesEncabezado) {
        if (p == posicion) {
            return true;
        }
    }
    return false;
}

char digitoNivel(int posicionEncabezado) {
    for (std::size_t i = 0; i < PosicionesEncabezado.size(); ++i) {
        if (PosicionesEncabezado[i] == posicionEncabezado) {
            return static_cast<char>('0' + i);
        }
    }
    throw core::Error(core::Error::ArgumentoInvalido, "La posición no es un nivel");
}

std::string codigoGrado(int posicion) {
    const auto& grados = Grados();
    if (posicion < 0 || posicion >= static_cast<int>(grados.size())) {
        throw core::Error(core::Error::ArgumentoInvalido, "Posición de grado fuera de la lista");
    }
    return grados[static_cast<std::size_t>(posicion)].substr(2, 2);
}

} // namespace reports::listas
