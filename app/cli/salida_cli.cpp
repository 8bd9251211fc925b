#include "app/cli/salida_cli.h"

#include "core/archivo_comun.h"
#include "core/archivo_ini.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "reports/csv.h"
#include "reports/grilla.h"
#include "reports/papel/pdf.h"
#include "reports/papel/pintar_paginas.h"
#include "reports/xlsx.h"
#include "store/contexto.h"

#include <ostream>
#include <sstream>

namespace app::cli {

namespace {

// Counts the rows as the writer reads them, for the heading.
class FilasContadas : public reports::FilasSalida {
public:
    explicit FilasContadas(reports::FilasSalida& filas) : filas_(filas) {}
    bool leer() override {
        const bool hay = filas_.leer();
        cuenta_ += hay ? 1 : 0;
        return hay;
    }
    const std::vector<std::string_view>& celdas() const override { return filas_.celdas(); }
    long cuenta() const { return cuenta_; }

private:
    reports::FilasSalida& filas_;
    long cuenta_ = 0;
};

void escribirTexto(const SalidaPedida& pedida, std::ostream& salida,
                   const std::function<void(std::ostream&)>& escribir) {
    if (!pedida.archivo) {
        escribir(salida);
        return;
    }
    std::ostringstream texto;
    escribir(texto);
    core::reemplazarArchivo(*pedida.archivo, texto.str());
}

} // namespace

SalidaPedida::SalidaPedida(const core::Argumentos& a) {
    const std::string nombre = a.valor("--formato").value_or("tsv");
    if (nombre == "csv") {
        formato = Formato::Csv;
    } else if (nombre == "xlsx") {
        formato = Formato::Xlsx;
    } else if (nombre == "pdf") {
        formato = Formato::Pdf;
    } else if (nombre != "tsv") {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "--formato espera tsv, csv, xlsx o pdf: " + nombre);
    }
    archivo = a.valor("--salida");
    if (archivo && archivo->empty()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "--salida espera el nombre de un archivo");
    }
    if (!archivo && (formato == Formato::Xlsx || formato == Formato::Pdf)) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "--formato " + nombre + " necesita --salida ARCHIVO");
    }
}

reports::Encabezado EncabezadoCli(const store::Contexto& ctx, std::string titulo,
                                  const reports::EstadoFiltros& filtros,
                                  std::vector<std::string> otrosFiltros) {
    core::Archivo_Ini ini(ctx.carpetaConfiguracion);
    ini.Cargar("INICIO");
    reports::Encabezado e;
    e.titulo = std::move(titulo);
    e.cue = ini.CUE;
    e.filtros = filtros;
    e.otrosFiltros = std::move(otrosFiltros);
    e.impreso = ctx.reloj.hoy();
    return e;
}

void EscribirSalida(const SalidaPedida& pedida, const reports::TablaSalida& tabla,
                    reports::Encabezado encabezado, std::ostream& salida,
                    const std::function<void(std::ostream&)>& tsv,
                    const reports::papel::DibujoGrafico& grafico, const std::string& descripcion) {
    FilasContadas filas(tabla.filas);
    const reports::TablaSalida contada{tabla.titulos, tabla.anchos, tabla.tipos, filas};
    switch (pedida.formato) {
    case SalidaPedida::Formato::Tsv:
        escribirTexto(pedida, salida, tsv);
        return;
    case SalidaPedida::Formato::Csv:
        escribirTexto(pedida, salida,
                      [&](std::ostream& destino) { reports::EscribirCsv(contada, destino); });
        return;
    case SalidaPedida::Formato::Xlsx:
        reports::EscribirXlsx(*pedida.archivo, contada, [&] {
            encabezado.filas = filas.cuenta();
            return reports::LineasEncabezado(encabezado);
        });
        return;
    case SalidaPedida::Formato::Pdf: {
        reports::Grilla grilla = reports::GrillaDeTabla(contada);
        // GrillaDeTabla read every row, so the count is complete.
        encabezado.filas = filas.cuenta();
        reports::papel::EscribirPdf(
            *pedida.archivo, encabezado.titulo, [&](QPagedPaintDevice& pdf) {
                reports::papel::ImprimirTabla(pdf, grilla, reports::LineasEncabezado(encabezado),
                                              grafico, descripcion);
            });
        return;
    }
    }
}

} // namespace app::cli
