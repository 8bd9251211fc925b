// The whole XML export (232 statements, document, file) over 100 000 loans.
#include "core/reloj.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/esquema.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace std::chrono_literals;

// 100 000 loans of 3 000 titles in 60 subjects, 8 000 members of the six
// types over every level and grade, a tenth of them still out.
const char* const Llenado = R"(
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
INSERT INTO presta (dni, legajo, nombre, apellido, grado, tipo_usu, titulo, isbn, tematica,
                    autor, devuelto, fecha_presta, fecha_devolucion)
SELECT 20000000 + (i * 7 % 8000), 'L' || (i * 7 % 8000), 'Nombre ' || (i * 7 % 8000 % 300),
       'Apellido ' || (i * 7 % 8000 % 900),
       (i * 7 % 8000 % 7) || '.' || (i * 7 % 8000 % 8) || ' División ' || (i % 3),
       CASE i * 7 % 8000 % 6 WHEN 0 THEN 'Alumno' WHEN 1 THEN 'Curso' WHEN 2 THEN 'Dirección'
            WHEN 3 THEN 'Docente' WHEN 4 THEN 'Escuela' ELSE 'Miembro de la comunidad' END,
       'Título número ' || (i * 13 % 3000), '950-' || (i * 13 % 3000),
       'Temática ' || (i * 13 % 3000 % 60), 'Autor ' || (i * 13 % 3000 % 700),
       CASE WHEN i % 10 = 0 THEN NULL ELSE printf('2023%02d%02d', 1 + i % 12, 1 + i % 28) END,
       printf('2023%02d%02d', 1 + i % 12, 1 + i % 28),
       printf('2023%02d%02d', 1 + (i + 1) % 12, 1 + i % 28)
FROM n
)";

void BM_ExportarXML(benchmark::State& estado) {
    std::string carpeta = (std::filesystem::temp_directory_path() / "bench-export-XXXXXX").string();
    if (mkdtemp(carpeta.data()) == nullptr) {
        estado.SkipWithError("mkdtemp");
        return;
    }
    core::RelojFijo reloj(2024y / 3 / 15);
    store::Contexto ctx(carpeta, reloj);
    store::AbrirBaseDatos(ctx);
    ctx.Conexion->ejecutar(Llenado);
    store::actualizarEstadisticasPresta(*ctx.Conexion);
    // Argument 0: no period, as the dialog opens; 1: eight months of the year.
    const exportacion::PeriodoExportacion periodo =
        estado.range(0) == 0 ? exportacion::PeriodoExportacion{}
                             : exportacion::PeriodoExportacion{2023y / 3 / 1, 2023y / 10 / 31};
    for (auto _ : estado) {
        benchmark::DoNotOptimize(exportacion::EscribirExportacion(
            ctx, exportacion::FiltroExportacion(periodo), periodo));
    }
    ctx.Conexion.reset();
    std::filesystem::remove_all(carpeta);
}

} // namespace

BENCHMARK(BM_ExportarXML)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);
