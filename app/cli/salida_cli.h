#pragma once

#include "reports/encabezado_salida.h"
#include "reports/papel/pintar_paginas.h"
#include "reports/tabla_salida.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace core {
class Argumentos;
}
namespace store {
struct Contexto;
}

namespace app::cli {

// The options every command with a table takes.
inline const std::vector<std::string> OpcionesSalida{"--formato", "--salida"};

// --formato tsv|csv|xlsx|pdf (tsv when absent) and --salida ARCHIVO, which
// xlsx and pdf need; tsv and csv go to standard output without it. Throws
// Error 5 on anything else.
struct SalidaPedida {
    enum class Formato { Tsv, Csv, Xlsx, Pdf };
    Formato formato = Formato::Tsv;
    std::optional<std::string> archivo;

    explicit SalidaPedida(const core::Argumentos& a);
    bool tsv() const { return formato == Formato::Tsv; }
};

// The heading of a command's file: its name, the school code of the
// settings, the filters and today's date; the row count is set on writing.
reports::Encabezado EncabezadoCli(const store::Contexto& ctx, std::string titulo,
                                  const reports::EstadoFiltros& filtros,
                                  std::vector<std::string> otrosFiltros);

// Writes the table as asked: tsv by `tsv` itself (each command's own
// format), csv streamed, xlsx and pdf into the file; a PDF ends with the
// chart `grafico` draws, when given. With a file, the file appears whole or
// not at all.
void EscribirSalida(const SalidaPedida& pedida, const reports::TablaSalida& tabla,
                    reports::Encabezado encabezado, std::ostream& salida,
                    const std::function<void(std::ostream&)>& tsv,
                    const reports::papel::DibujoGrafico& grafico = {},
                    const std::string& descripcion = {});

} // namespace app::cli
