#include "app/cli/comandos_listas.h"

#include "app/cli/comandos.h"
#include "app/cli/filtros_cli.h"
#include "app/cli/salida_cli.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "core/reloj.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "reports/tabla_salida.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <algorithm>
#include <ostream>

namespace app::cli {

namespace {

const std::set<std::string> OpcionesPanel{"--tipo",  "--grado", "--tematica",
                                          "--desde", "--hasta", "--orden"};

std::set<std::string> conPanel(std::set<std::string> propias) {
    propias.insert(OpcionesPanel.begin(), OpcionesPanel.end());
    propias.insert(OpcionesSalida.begin(), OpcionesSalida.end());
    return propias;
}

// The typed filters given, in words, for the heading of a file.
std::vector<std::string> textosEnPalabras(const core::Argumentos& a) {
    const std::pair<const char*, const char*> opciones[] = {
        {"--apellido", "Apellido"},     {"--nombre", "Nombre"}, {"--legajo", "Legajo"},
        {"--inventario", "Inventario"}, {"--titulo", "Título"}, {"--autor", "Autor"}};
    std::vector<std::string> palabras;
    for (const auto& [opcion, nombre] : opciones) {
        if (const auto valor = a.valor(opcion); valor && !valor->empty()) {
            palabras.push_back(std::string(nombre) + ": " + *valor);
        }
    }
    return palabras;
}

reports::FiltrosPrestamos filtrosDe(const core::Argumentos& a) {
    reports::FiltrosPrestamos f;
    f.panel = FiltrosDeOpciones(a);
    const auto texto = [&](const char* opcion) { return a.valor(opcion).value_or(""); };
    f.apellido = texto("--apellido");
    f.nombre = texto("--nombre");
    f.legajo = texto("--legajo");
    f.inventario = texto("--inventario");
    f.titulo = texto("--titulo");
    f.autor = texto("--autor");
    return f;
}

// The order column must be one the grid shows: it goes into the statement as is.
std::string ordenDe(const core::Argumentos& a, const std::vector<reports::ColumnaGrilla>& columnas,
                    const char* porDefecto) {
    const std::string orden = a.valor("--orden").value_or(porDefecto);
    for (const reports::ColumnaGrilla& c : columnas) {
        if (orden == c.campo) {
            return orden;
        }
    }
    throw core::Error(core::Error::ArgumentoInvalido, "No se puede ordenar por " + orden);
}

int mostrar(const core::Argumentos& a, const std::string& titulo, const std::string& sentencia,
            const std::vector<reports::ColumnaGrilla>& columnas, const core::Carpetas& carpetas,
            std::ostream& salida) {
    if (a.bandera("--sql")) {
        salida << sentencia << "\n";
        return 0;
    }
    const SalidaPedida pedida(a);
    const core::Reloj reloj;
    store::Contexto ctx(carpetas, reloj);
    abrirAlmacenParaLeer(ctx);
    store::AjustarParaRecorrer(ctx, sentencia);
    // Each row is written as it is read: a whole list never sits in memory.
    const auto registros = store::EjecutarConsulta(ctx, sentencia);
    reports::FilasGrilla filas(*registros, columnas);
    reports::FilasNumeradas numeradas(filas);
    const reports::ColumnasSalida c = reports::ColumnasDe(columnas, true);
    EscribirSalida(
        pedida, {c.titulos, c.anchos, c.tipos, numeradas},
        EncabezadoCli(ctx, titulo, FiltrosDeOpciones(a), textosEnPalabras(a)), salida,
        [&](std::ostream& destino) { reports::EscribirTabulado(*registros, columnas, destino); });
    return 0;
}

} // namespace

int ComandoLista(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                 std::ostream& salida, std::ostream& /*errores*/) {
    const core::Argumentos a(
        args, conPanel({"--modo", "--apellido", "--nombre", "--legajo", "--inventario"}),
        {"--sql"});
    const std::string modo = a.valor("--modo").value_or("");
    const auto& modos = reports::ModosLista();
    if (std::none_of(modos.begin(), modos.end(),
                     [&](const reports::ModoLista& m) { return modo == m.modo; })) {
        throw core::Error(core::Error::ArgumentoInvalido, "--modo va de 1 a 5");
    }
    const auto& columnas = reports::ColumnasPrestamos();
    return mostrar(
        a, "Listado de préstamos",
        reports::SentenciaListaPrestamos(modo, filtrosDe(a), ordenDe(a, columnas, "devuelto")),
        columnas, carpetas, salida);
}

int ComandoBuscarLibros(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                        std::ostream& salida, std::ostream& /*errores*/) {
    const core::Argumentos a(args, conPanel({"--titulo", "--autor", "--inventario"}), {"--sql"});
    const auto& columnas = reports::ColumnasPrestamos();
    return mostrar(a, "Búsqueda de libros",
                   reports::SentenciaBusquedaLibros(filtrosDe(a), ordenDe(a, columnas, "titulo")),
                   columnas, carpetas, salida);
}

int ComandoBuscarUsuarios(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                          std::ostream& salida, std::ostream& /*errores*/) {
    const core::Argumentos a(args, conPanel({"--apellido", "--nombre", "--legajo"}), {"--sql"});
    const auto& columnas = reports::ColumnasUsuarios();
    return mostrar(
        a, "Búsqueda de usuarios",
        reports::SentenciaBusquedaUsuarios(filtrosDe(a), ordenDe(a, columnas, "apellido")),
        columnas, carpetas, salida);
}

} // namespace app::cli
