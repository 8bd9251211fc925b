#pragma once

#include "reports/ranking.h"

#include <string>
#include <vector>

// In-process figures of the queries the librarian waits for, on the store of
// a data folder: a ranking refresh with every column, the loan list into the
// grid, the whole XML export. Each prints its figures as "clave valor" lines.
namespace medidas {

// "libro" or "grado"; throws Error for anything else.
int agrupacionDe(const std::string& nombre);
// The statement of the loan list in mode 1 ("Titulos retirados por usuarios").
std::string sentenciaListaCompleta();

// The statements the librarian waits for, as the store runs them.
struct ConsultaMedida {
    std::string clave; // ranking-libro, ranking-grado, lista
    std::string nombre;
    std::string sql;
};
std::vector<ConsultaMedida> consultasMedidas();

// ranking CARPETA libro|grado [VECES]
int medirRanking(const std::vector<std::string>& args);
// lista CARPETA [VECES]
int medirLista(const std::vector<std::string>& args);
// exportar CARPETA [VECES]
int medirExportacion(const std::vector<std::string>& args);

} // namespace medidas
