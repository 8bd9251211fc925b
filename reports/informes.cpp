#include "reports/informes.h"

#include "core/error.h"
#include "core/texto.h"
#include "reports/lista_prestamos.h"

#include "store/almacen.h"
#include "store/coleccion_espanol.h"
#include "store/registros.h"

#include <algorithm>
#include <unordered_map>

namespace reports::informes {

namespace {

// The panel's filters that a member takes, and those a loan takes.
EstadoFiltros delSocio(const EstadoFiltros& f) {
    EstadoFiltros e;
    e.tipoUsuario = f.tipoUsuario;
    e.grado = f.grado;
    return e;
}

EstadoFiltros delPrestamo(const EstadoFiltros& f) {
    EstadoFiltros e;
    e.tematica = f.tematica;
    e.desde = f.desde;
    e.hasta = f.hasta;
    return e;
}

bool filtraSocio(const EstadoFiltros& f) {
    return f.tipoUsuario > 0 || f.grado > 0;
}

// The panel's condition texts for `filtros`, opening with "WHERE " or,
// behind a condition already written, "AND ".
std::string condicion(const EstadoFiltros& filtros, bool yaEscrita = false) {
    Condicion c;
    c.escrita = yaEscrita;
    AgregarCondicionFiltros(c, filtros);
    return c.texto;
}

// Loans of a member that passes the member filters, when any is set.
std::string deSocioFiltrado(const EstadoFiltros& filtros) {
    if (!filtraSocio(filtros)) {
        return {};
    }
    return "AND EXISTS (SELECT 1 FROM usuarios WHERE usuarios.dni = presta.dni " +
           condicion(delSocio(filtros), true) + ") ";
}

// Every loan counts for each member whose document it carries.
std::string sentenciaParticipacion(const EstadoFiltros& f, const std::string& VOrden) {
    return "WITH prestamos AS (SELECT dni, COUNT(*) AS n FROM presta " + condicion(delPrestamo(f)) +
           "GROUP BY dni), "
           "socios AS (SELECT IFNULL(grado, '') COLLATE ESPANOL AS grado, "
           "IFNULL(prestamos.n, 0) AS n FROM usuarios "
           "LEFT JOIN prestamos ON prestamos.dni = usuarios.dni " +
           condicion(delSocio(f)) +
           "), "
           "por_grado AS (SELECT grado, COUNT(*) AS socios, SUM(n > 0) AS lectores, "
           "SUM(n) AS prestamos FROM socios GROUP BY grado) "
           "SELECT grado, socios, lectores, ROUND(lectores * 100.0 / socios, 1) AS porcentaje, "
           "prestamos, 0 AS total FROM por_grado "
           "UNION ALL SELECT '" +
           std::string(FilaTotal) +
           "', IFNULL(SUM(socios), 0), IFNULL(SUM(lectores), 0), "
           "ROUND(IFNULL(SUM(lectores) * 100.0 / SUM(socios), 0), 1), IFNULL(SUM(prestamos), 0), "
           "1 FROM por_grado "
           "ORDER BY total, " +
           VOrden;
}

std::string sentenciaSinPrestamos(const EstadoFiltros& f, const std::string& VOrden) {
    const std::string socios = condicion(delSocio(f));
    return "SELECT dni, legajo, apellido, nombre, tipo_usu, grado FROM usuarios " + socios +
           (socios.empty() ? "WHERE " : "AND ") +
           "NOT EXISTS (SELECT 1 FROM presta WHERE presta.dni = usuarios.dni " +
           condicion(delPrestamo(f), true) + ") ORDER BY " + VOrden;
}

// The copies of the subject; their loans are looked up apart (UsoDeCopias).
std::string sentenciaSinUso(const EstadoFiltros& f) {
    EstadoFiltros copia;
    copia.tematica = f.tematica;
    return "SELECT inventario, titulo, autor, tematica FROM ejemplares " + condicion(copia);
}

// What the loans say of each copy, by the copy's key: whether any names it
// (its inventory number trimmed, as the store compares text) and the latest
// loan date among them.
struct UsoDeCopia {
    bool prestada = false;
    std::string ultimo;
};

std::unordered_map<std::string, UsoDeCopia> UsoDeCopias(store::Contexto& ctx) {
    const auto filas = store::EjecutarConsulta(
        ctx, "SELECT inventario, fecha_presta FROM presta WHERE inventario IS NOT NULL");
    std::unordered_map<std::string, UsoDeCopia> uso;
    for (; !filas->fin(); filas->siguiente()) {
        UsoDeCopia& u = uso[store::claveEspanol(core::texto::recortarBlancos(filas->texto(0)))];
        u.prestada = true;
        const std::optional<std::string> fecha = filas->valor(1);
        if (fecha && store::compararEspanol(*fecha, u.ultimo) > 0) {
            u.ultimo = *fecha;
        }
    }
    return uso;
}

// Rows in the order of `VOrden`, column names separated by commas, each
// ascending as the store orders text; equal rows keep their order.
void ordenar(std::vector<std::vector<std::string>>& filas, const std::string& VOrden,
             const std::vector<ColumnaGrilla>& columnas) {
    std::vector<std::size_t> claves;
    std::size_t inicio = 0;
    while (inicio <= VOrden.size()) {
        const std::size_t coma = std::min(VOrden.find(',', inicio), VOrden.size());
        const std::string nombre = core::texto::recortar(VOrden.substr(inicio, coma - inicio));
        const auto it = std::find_if(columnas.begin(), columnas.end(),
                                     [&](const ColumnaGrilla& c) { return nombre == c.campo; });
        if (it == columnas.end()) {
            throw core::Error(core::Error::ArgumentoInvalido, "No se puede ordenar por " + nombre);
        }
        claves.push_back(static_cast<std::size_t>(it - columnas.begin()));
        inicio = coma + 1;
    }
    std::stable_sort(filas.begin(), filas.end(), [&claves](const auto& a, const auto& b) {
        for (const std::size_t c : claves) {
            if (const int r = store::compararEspanol(a[c], b[c]); r != 0) {
                return r < 0;
            }
        }
        return false;
    });
}

// A copy lent on or after the from-date is in use; with no from-date, one
// lent at all. The loans are counted in memory: grouping them in the store
// would sort every loan on each run.
Grilla grillaSinUso(store::Contexto& ctx, const EstadoFiltros& f, const std::string& VOrden) {
    const std::unordered_map<std::string, UsoDeCopia> uso = UsoDeCopias(ctx);
    const std::string desde = f.desde ? core::textoAAAAMMDD(*f.desde) : std::string();
    const UsoDeCopia nunca;
    std::vector<std::vector<std::string>> filas;
    const auto copias = store::EjecutarConsulta(ctx, sentenciaSinUso(f));
    for (; !copias->fin(); copias->siguiente()) {
        const auto it = uso.find(store::claveEspanol(copias->texto(0)));
        const UsoDeCopia& u = it == uso.end() ? nunca : it->second;
        const bool enUso = f.desde ? store::compararEspanol(u.ultimo, desde) >= 0 : u.prestada;
        if (!enUso) {
            filas.push_back(
                {copias->texto(0), copias->texto(1), copias->texto(2), copias->texto(3), u.ultimo});
        }
    }
    const auto& columnas = Definicion(Informe::SinUso).columnas;
    ordenar(filas, VOrden, columnas);
    return GrillaDeFilas(filas, columnas);
}

// The overdue list's own condition: not returned and due before today.
std::string condicionAtraso() {
    for (const ModoLista& m : ModosLista()) {
        if (std::string_view(m.modo) == "3") {
            return m.pieza;
        }
    }
    throw core::Error(core::Error::ArgumentoInvalido, "Falta la condición de los morosos");
}

std::string sentenciaAtrasos(const EstadoFiltros& f, const std::string& VOrden) {
    return "SELECT grado, apellido, nombre, legajo, titulo, inventario, "
           "fecha_presta AS fecha_prestamo, fecha_devolucion, "
           "CAST(julianday(date()) - julianday(substr(fecha_devolucion, 1, 4) || '-' || "
           "substr(fecha_devolucion, 5, 2) || '-' || substr(fecha_devolucion, 7, 2)) AS INTEGER) "
           "AS dias_atraso, dni FROM presta " +
           condicionAtraso() + deSocioFiltrado(f) + "ORDER BY " + VOrden;
}

// The loans the monthly report counts, whatever their date: those with a
// full date, of the subject and of a member in the filter.
std::string prestamosFechados(const EstadoFiltros& f) {
    EstadoFiltros tema;
    tema.tematica = f.tematica;
    return "FROM presta WHERE fecha_presta GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]' " +
           condicion(tema, true) + deSocioFiltrado(f);
}

// The months with loans in the period; the year before counts the same
// loans a year earlier, whatever the period.
std::string sentenciaMensual(const EstadoFiltros& f, const std::string& VOrden) {
    EstadoFiltros periodo;
    periodo.desde = f.desde;
    periodo.hasta = f.hasta;
    return "WITH prestamos AS (SELECT substr(fecha_presta, 1, 6) AS mes_aaaamm, fecha_presta, "
           "dni " +
           prestamosFechados(f) +
           "), "
           "todos AS (SELECT mes_aaaamm, COUNT(*) AS n FROM prestamos GROUP BY mes_aaaamm), "
           "del_periodo AS (SELECT mes_aaaamm, COUNT(*) AS prestamos, COUNT(DISTINCT dni) AS "
           "lectores FROM prestamos " +
           condicion(periodo) +
           "GROUP BY mes_aaaamm) "
           "SELECT substr(p.mes_aaaamm, 1, 4) || '-' || substr(p.mes_aaaamm, 5, 2) AS mes, "
           "p.prestamos AS prestamos, p.lectores AS lectores, IFNULL(anterior.n, 0) AS "
           "prestamos_anio_anterior FROM del_periodo AS p LEFT JOIN todos AS anterior "
           "ON anterior.mes_aaaamm = printf('%04d', substr(p.mes_aaaamm, 1, 4) - 1) || "
           "substr(p.mes_aaaamm, 5, 2) ORDER BY " +
           VOrden;
}

std::vector<ColumnaGrilla> columnas(std::initializer_list<ColumnaGrilla> lista) {
    return lista;
}

} // namespace

const std::vector<DefinicionInforme>& Informes() {
    static const std::vector<DefinicionInforme> informes{
        {Informe::Participacion,
         "participacion",
         "Participación por grado",
         columnas({{"Grado", 1200, "grado"},
                   {"Socios", 900, "socios"},
                   {"Lectores", 900, "lectores"},
                   {"%", 800, "porcentaje"},
                   {"Préstamos", 1150, "prestamos"}}),
         "grado",
         {}},
        {Informe::SinPrestamos,
         "sin-prestamos",
         "Socios sin préstamos",
         columnas({{"DNI", 1100, "dni"},
                   {"Legajo", 900, "legajo"},
                   {"Apellido", 1600, "apellido"},
                   {"Nombre", 1600, "nombre"},
                   {"Tipo Usuario", 1300, "tipo_usu"},
                   {"Grado", 800, "grado"}}),
         "grado, apellido, nombre",
         {}},
        {Informe::SinUso,
         "sin-uso",
         "Ejemplares sin uso",
         columnas({{"Inventario", 1100, "inventario"},
                   {"Título", 3500, "titulo"},
                   {"Autor", 2200, "autor"},
                   {"Temática", 2200, "tematica"},
                   {"Último préstamo", 1500, "ultimo_prestamo"}}),
         "tematica, titulo",
         {.tipo = false, .grado = false, .hasta = false}},
        {Informe::Atrasos,
         "atrasos",
         "Atrasos",
         columnas({{"Grado", 700, "grado"},
                   {"Apellido", 1500, "apellido"},
                   {"Nombre", 1400, "nombre"},
                   {"Legajo", 900, "legajo"},
                   {"Título", 3000, "titulo"},
                   {"Inventario", 1000, "inventario"},
                   {"Fecha de préstamo", 1650, "fecha_prestamo"},
                   {"Fecha de devolución", 1800, "fecha_devolucion"},
                   {"Días de atraso", 1400, "dias_atraso"}}),
         "grado, apellido, nombre, dias_atraso DESC",
         {.tematica = false, .desde = false, .hasta = false}},
        {Informe::Mensual,
         "mensual",
         "Evolución mensual",
         columnas({{"Mes", 1000, "mes"},
                   {"Préstamos", 1150, "prestamos"},
                   {"Lectores", 1000, "lectores"},
                   {"Préstamos año anterior", 2500, "prestamos_anio_anterior"}}),
         "mes",
         {}},
    };
    return informes;
}

// What a report does not take does not reach it.
EstadoFiltros FiltrosAdmitidosDe(Informe informe, const EstadoFiltros& filtros) {
    const FiltrosAdmitidos& admite = Definicion(informe).admite;
    EstadoFiltros f;
    f.tipoUsuario = admite.tipo ? filtros.tipoUsuario : -1;
    f.grado = admite.grado ? filtros.grado : -1;
    f.tematica = admite.tematica ? filtros.tematica : -1;
    f.desde = admite.desde ? filtros.desde : std::nullopt;
    f.hasta = admite.hasta ? filtros.hasta : std::nullopt;
    return f;
}

const DefinicionInforme& Definicion(Informe informe) {
    const auto& todos = Informes();
    return *std::find_if(todos.begin(), todos.end(),
                         [informe](const DefinicionInforme& d) { return d.informe == informe; });
}

std::string SentenciaInforme(Informe informe, const EstadoFiltros& filtros,
                             const std::string& VOrden) {
    const EstadoFiltros f = FiltrosAdmitidosDe(informe, filtros);
    switch (informe) {
    case Informe::Participacion:
        return sentenciaParticipacion(f, VOrden);
    case Informe::SinPrestamos:
        return sentenciaSinPrestamos(f, VOrden);
    case Informe::SinUso:
        return sentenciaSinUso(f);
    case Informe::Atrasos:
        return sentenciaAtrasos(f, VOrden);
    case Informe::Mensual:
        return sentenciaMensual(f, VOrden);
    }
    throw core::Error(core::Error::ArgumentoInvalido, "Informe desconocido");
}

std::string SentenciaPrestamosDelPeriodo(const EstadoFiltros& filtros) {
    const EstadoFiltros f = FiltrosAdmitidosDe(Informe::Mensual, filtros);
    EstadoFiltros periodo;
    periodo.desde = f.desde;
    periodo.hasta = f.hasta;
    return "SELECT COUNT(*) AS prestamos " + prestamosFechados(f) + condicion(periodo, true);
}

Grilla GrillaInforme(store::Contexto& ctx, Informe informe, const EstadoFiltros& filtros,
                     const std::string& VOrden) {
    if (informe == Informe::SinUso) {
        return grillaSinUso(ctx, FiltrosAdmitidosDe(informe, filtros), VOrden);
    }
    return GrillaDeConsulta(ctx, SentenciaInforme(informe, filtros, VOrden),
                            Definicion(informe).columnas);
}

std::string TextoInforme(const Grilla& grilla, const DefinicionInforme& definicion) {
    std::string salida;
    for (std::size_t c = 0; c < definicion.columnas.size(); ++c) {
        salida += std::string(c > 0 ? "\t" : "") + definicion.columnas[c].campo;
    }
    salida += '\n';
    for (int f = 1; f + 1 < grilla.filas(); ++f) {
        for (int c = 1; c < grilla.columnas(); ++c) {
            if (c > 1) {
                salida += '\t';
            }
            salida += core::texto::campoTabulado(grilla.texto(f, c));
        }
        salida += '\n';
    }
    return salida;
}

} // namespace reports::informes
