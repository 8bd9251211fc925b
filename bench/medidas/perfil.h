#pragma once

#include <string>
#include <vector>

// Where the time goes, printed for a person to read (bench/PERFIL.md quotes
// them). Each works on the store and databases of a data folder.
namespace medidas {

// perfil-carga CARPETA: one load run split into its steps, from the load
// window's own progress notices.
int perfilCarga(const std::vector<std::string>& args);
// perfil-indices CARPETA: each index build of the load with the Spanish
// collation and with a byte comparison, ANALYZE, and what some covering
// indexes would cost the load and give the rankings, the list and the export.
int perfilIndices(const std::vector<std::string>& args);
// perfil-consultas CARPETA: plan, time and collation calls of the rankings
// with every column and of the loan list; the collation's cost per call.
int perfilConsultas(const std::vector<std::string>& args);
// perfil-exportacion CARPETA: the export's statements on one connection,
// grouped by shape, the slowest first.
int perfilExportacion(const std::vector<std::string>& args);

} // namespace medidas
