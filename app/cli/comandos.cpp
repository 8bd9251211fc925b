#include "app/cli/comandos.h"
#include "app/cli/comando_exportar.h"
#include "app/cli/comando_informe.h"
#include "app/cli/comandos_listas.h"

#include "app/cli/comando_cargar.h"
#include "app/cli/comando_isis.h"
#include "app/cli/comando_ranking.h"
#include "core/archivo_comun.h"
#include "core/error.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace app::cli {

const std::vector<Comando>& Comandos() {
    static const std::vector<Comando> lista{
        {"cargar", "copia las tres bases ISIS a presta e imprime las filas escritas",
         ComandoCargar},
        {"exportar",
         "[--desde AAAAMMDD] [--hasta AAAAMMDD]: escribe la exportación XML del día en\n"
         "      exportaciones/ e imprime su ruta",
         ComandoExportar},
        {"ranking",
         "--agrupar usuario|libro|tema|grado|nivel [--mostrar 0,1,..6] [--tipo TEXTO] [--grado "
         "POSICION] [--tematica TEXTO] [--desde AAAAMMDD] [--hasta AAAAMMDD] [--barras N] "
         "[--cantidad] [--sql]: el ranking de préstamos, una línea por grupo",
         &ComandoRanking},
        {"lista",
         "--modo 1..5 [--tipo --grado --tematica --desde --hasta --apellido --nombre --legajo "
         "--inventario --orden --sql]",
         ComandoLista},
        {"buscar-libros",
         "[--titulo --autor --inventario --tipo --grado --tematica --desde --hasta --orden --sql]",
         ComandoBuscarLibros},
        {"buscar-usuarios",
         "[--apellido --nombre --legajo --tipo --grado --tematica --desde --hasta --orden --sql]",
         ComandoBuscarUsuarios},
        {"informe",
         "participacion|sin-prestamos|sin-uso|atrasos|mensual|resumen [--tipo TEXTO] [--grado "
         "POSICION] [--tematica TEXTO] [--desde AAAAMMDD] [--hasta AAAAMMDD]: los informes de la\n"
         "      bibliotecaria, tabulados con los nombres de las columnas primero; resumen como\n"
         "      líneas clave<TAB>valor",
         ComandoInforme},
        {"isis",
         "isis volcar|terminos RUTA, isis buscar RUTA EXPRESION, isis formatear RUTA MFN "
         "FORMATO: lee una base ISIS",
         ComandoIsis},
    };
    return lista;
}

void imprimirError(std::ostream& errores, const core::Error& error) {
    errores << "Error " << error.numero() << ": " << error.descripcion() << "\n";
}

void exigirConfiguracion(const std::string& carpetaConfiguracion) {
    const std::string configuracion = carpetaConfiguracion + "/configuracion.ini";
    std::string motivo;
    const int fd = core::abrirArchivoComun(configuracion, motivo);
    if (fd < 0) {
        throw core::Error(core::Error::ArchivoNoEncontrado,
                          "No se puede leer el archivo de configuración " + configuracion + ": " +
                              motivo);
    }
    ::close(fd);
}

void abrirAlmacenParaLeer(store::Contexto& ctx) {
    std::error_code ec;
    if (!std::filesystem::exists(ctx.rutaBase(), ec) &&
        !std::filesystem::exists(ctx.rutaCopia(), ec)) {
        exigirConfiguracion(ctx.carpetaConfiguracion);
    }
    if (auto reparada = store::AbrirBaseDatos(ctx)) {
        throw core::Error(core::Error::ErrorBaseDatos, *reparada);
    }
    // A command reads once and ends: a large cache would only slow its sorts.
    store::AjustarParaLeer(*ctx.Conexion);
}

} // namespace app::cli
