#include "reports/tabla_ranking.h"

namespace reports::ranking {

namespace {

const char* tituloDe(const std::string& campo) {
    for (const ColumnaGrilla& c : ColumnasPrestamos()) {
        if (campo == c.campo) {
            return c.titulo;
        }
    }
    return campo == "nivel" ? "Nivel" : campo.c_str();
}

int anchoDe(const std::string& campo) {
    for (const ColumnaGrilla& c : ColumnasPrestamos()) {
        if (campo == c.campo) {
            return c.ancho;
        }
    }
    return 1000;
}

} // namespace

std::vector<ColumnaGrilla> ColumnasRanking(const Ranking& r, const Presentacion& p) {
    std::vector<ColumnaGrilla> columnas;
    for (std::size_t k = 0; k < RanurasMostradas; ++k) {
        if (!r.campos[k].empty()) {
            columnas.push_back({tituloDe(r.campos[k]), anchoDe(r.campos[k]), r.campos[k].c_str()});
        }
    }
    columnas.push_back(p.porcentaje ? ColumnaGrilla{"%", 800, "porcentaje"}
                                    : ColumnaGrilla{"Préstamos", 1000, "prestamos"});
    return columnas;
}

Grilla GrillaRanking(const Ranking& r, const Presentacion& p) {
    std::vector<std::vector<std::string>> filas;
    for (const FilaRanking& f : r.filas) {
        std::vector<std::string> fila;
        for (std::size_t k = 0; k < RanurasMostradas; ++k) {
            if (!r.campos[k].empty()) {
                fila.push_back(f.valores[k]);
            }
        }
        fila.push_back(ValorMostrado(f.cant, p));
        filas.push_back(std::move(fila));
    }
    return GrillaDeFilas(filas, ColumnasRanking(r, p));
}

} // namespace reports::ranking
