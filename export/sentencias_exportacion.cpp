#include "export/sentencias_exportacion.h"

#include "core/texto.h"

namespace exportacion {

std::string CondicionVencidos() {
    return "(devuelto = '' OR devuelto IS NULL) AND fecha_devolucion<format(date(),'yyyymmdd')";
}

namespace {

// The fixed pieces; their blanks are part of the statements.
const std::string Libros =
    "SELECT titulo, isbn, tematica, autor, COUNT(titulo) AS cant FROM presta ";
const std::string Socios = "SELECT dni, nombre, apellido, COUNT(dni) AS cant FROM presta ";
const std::string Temas = "SELECT tematica, COUNT(tematica) AS cant FROM presta ";
const std::string Tipos = "SELECT tipo_usu, COUNT(tipo_usu) AS cant FROM presta ";
const std::string Cuenta = "SELECT COUNT(titulo) AS cant FROM presta ";
const std::string AgruparLibros = "GROUP BY titulo, isbn, tematica, autor ";
const std::string AgruparLibros2 = " GROUP BY titulo, isbn, tematica, autor ";
const std::string OrdenLibros = "ORDER BY COUNT(titulo) DESC";
const std::string AgruparSocios = "GROUP BY dni, nombre, apellido ";
const std::string AgruparSocios2 = " GROUP BY dni, nombre, apellido ";
const std::string OrdenSocios = "ORDER BY COUNT(dni) DESC";
const std::string AgruparTemas = " GROUP BY tematica ORDER BY COUNT(tematica) DESC";
const std::string AgruparTemas2 = " GROUP BY tematica ORDER BY COUNT(tematica) DESC ";
const std::string AgruparTipos = " GROUP BY tipo_usu ORDER BY COUNT(tipo_usu) DESC";
const std::string MoraWhere = "WHERE " + CondicionVencidos() + " ";
const std::string MoraAnd = "AND " + CondicionVencidos() + " ";

std::string nivel(const char* conector, int nivel, int grado) {
    return std::string(conector) + "grado LIKE '" + std::to_string(nivel) + "." +
           std::to_string(grado) + "%' ";
}
std::string nivelWhere(int n, int g) {
    return nivel("WHERE ", n, g);
}
std::string nivelAnd(int n, int g) {
    return nivel("AND ", n, g);
}

std::string temaWhere(const std::string& tematica) {
    return "WHERE tematica = '" + core::texto::comillasSql(tematica) + "' ";
}
std::string tipoWhere(const std::string& tipo) {
    return "WHERE tipo_usu = '" + core::texto::comillasSql(tipo) + "' ";
}

} // namespace

std::string SentenciasExportacion::filtroCon(const char* conector) const {
    return filtro_.empty() ? std::string() : conector + filtro_;
}

std::string SentenciasExportacion::L1() const {
    return Libros + filtroCon("WHERE ") + AgruparLibros + OrdenLibros;
}
std::string SentenciasExportacion::L2(int n, int g) const {
    return Libros + nivelWhere(n, g) + filtroCon("AND ") + AgruparLibros + OrdenLibros;
}
std::string SentenciasExportacion::L3() const {
    return Cuenta + filtroCon("WHERE ");
}
std::string SentenciasExportacion::L4() const {
    return Temas + filtroCon("WHERE ") + AgruparTemas;
}
std::string SentenciasExportacion::L5(const std::string& tematica) const {
    return Libros + temaWhere(tematica) + filtroCon("AND ") + AgruparLibros + OrdenLibros;
}
std::string SentenciasExportacion::L6(int n, int g) const {
    return Temas + nivelWhere(n, g) + filtroCon("AND ") + AgruparTemas2;
}
std::string SentenciasExportacion::L7() const {
    return Tipos + filtroCon("WHERE ") + AgruparTipos;
}
std::string SentenciasExportacion::L8(const std::string& tipo) const {
    return Libros + tipoWhere(tipo) + filtroCon("AND ") + AgruparLibros + OrdenLibros;
}

std::string SentenciasExportacion::M1() const {
    return Libros + MoraWhere + filtroCon(" AND ") + AgruparLibros + OrdenLibros;
}
std::string SentenciasExportacion::M2(int n, int g) const {
    return Libros + MoraWhere + nivelAnd(n, g) + filtroCon("AND ") + AgruparLibros + OrdenLibros;
}
std::string SentenciasExportacion::M4() const {
    return Temas + MoraWhere + filtroCon("AND ") + AgruparTemas;
}
std::string SentenciasExportacion::M5(const std::string& tematica) const {
    return Libros + temaWhere(tematica) + MoraAnd + filtroCon("AND ") + AgruparLibros2 +
           OrdenLibros;
}
std::string SentenciasExportacion::M6(int n, int g) const {
    return Temas + nivelWhere(n, g) + MoraAnd + filtroCon("AND ") + AgruparTemas2;
}
std::string SentenciasExportacion::M7() const {
    return Tipos + MoraWhere + filtroCon("AND ") + AgruparTipos;
}
std::string SentenciasExportacion::M8(const std::string& tipo) const {
    return Libros + tipoWhere(tipo) + MoraAnd + filtroCon("AND ") + AgruparLibros2 + OrdenLibros;
}

std::string SentenciasExportacion::U1() const {
    return Socios + filtroCon("WHERE ") + AgruparSocios + OrdenSocios;
}
std::string SentenciasExportacion::U2(int n, int g) const {
    return Socios + nivelWhere(n, g) + filtroCon("AND ") + AgruparSocios + OrdenSocios;
}
std::string SentenciasExportacion::U7() const {
    return Tipos + filtroCon("WHERE ") + AgruparTipos;
}
std::string SentenciasExportacion::U8(const std::string& tipo) const {
    return Socios + tipoWhere(tipo) + filtroCon("AND ") + AgruparSocios + OrdenSocios;
}
std::string SentenciasExportacion::U9(const std::string& tipo) const {
    return Temas + tipoWhere(tipo) + filtroCon("AND ") + AgruparTemas2;
}

std::string SentenciasExportacion::D1() const {
    return Socios + MoraWhere + filtroCon("AND ") + AgruparSocios2 + OrdenSocios;
}
std::string SentenciasExportacion::D2(int n, int g) const {
    return Socios + MoraWhere + nivelAnd(n, g) + filtroCon("AND ") + AgruparSocios2 + OrdenSocios;
}
std::string SentenciasExportacion::D7() const {
    return Tipos + MoraWhere + filtroCon("AND ") + AgruparTipos;
}
std::string SentenciasExportacion::D8(const std::string& tipo) const {
    return Socios + tipoWhere(tipo) + MoraAnd + filtroCon("AND ") + AgruparSocios2 + OrdenSocios;
}

} // namespace exportacion
