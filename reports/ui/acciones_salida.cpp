#include "reports/ui/acciones_salida.h"

#include "core/archivo_comun.h"
#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/reloj.h"
#include "core/ui/cursor_ocupado.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "reports/csv.h"
#include "reports/encabezado_salida.h"
#include "reports/papel/pdf.h"
#include "reports/papel/pintar_paginas.h"
#include "reports/ui/salida_grafico.h"
#include "reports/xlsx.h"
#include "store/contexto.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QWidget>

#include <sstream>

namespace reports::ui {

namespace {

// Resolution offered for a chart picture: print quality.
constexpr int PuntosPorPulgadaPng = 300;

// The caption as a file name: characters a file name cannot hold left out.
std::string nombreArchivo(const QString& titulo) {
    QString nombre = titulo;
    nombre.remove(QRegularExpression(R"([/\\:*?"<>|])"));
    nombre = nombre.simplified();
    return nombre.isEmpty() ? std::string("salida") : nombre.toStdString();
}

} // namespace

std::vector<std::string> EncabezadoVentana(const store::Contexto& ctx, const QWidget& ventana,
                                           const EstadoFiltros& filtros,
                                           std::vector<std::string> otrosFiltros, long filas) {
    core::Archivo_Ini ini(ctx.carpetaConfiguracion);
    ini.Cargar("INICIO");
    Encabezado e;
    e.titulo = ventana.windowTitle().toStdString();
    e.cue = ini.CUE;
    e.filtros = filtros;
    e.otrosFiltros = std::move(otrosFiltros);
    e.filas = filas;
    e.impreso = ctx.reloj.hoy();
    return LineasEncabezado(e);
}

AccionesSalida::AccionesSalida(QWidget& ventana, core::ui::Dialogos& dialogos, std::string carpeta,
                               OrigenSalida origen)
    : QObject(&ventana), ventana_(ventana), dialogos_(dialogos), carpeta_(std::move(carpeta)),
      origen_(std::move(origen)), menu_(new QMenu(&ventana)) {
    menu_->setObjectName("mnu_salidas");
    accion("mnu_vistaPrevia", "Vista previa...", &AccionesSalida::vistaPrevia);
    accion("mnu_guardarPdf", "Guardar como PDF...", &AccionesSalida::guardarPdf);
    accion("mnu_exportarCsv", "Exportar a CSV...", &AccionesSalida::exportarCsv);
    accion("mnu_exportarXlsx", "Exportar a Excel (XLSX)...", &AccionesSalida::exportarXlsx);
}

void AccionesSalida::fijarGrafico(QChartView* grafico, std::function<std::string()> descripcion) {
    grafico_ = grafico;
    descripcionGrafico_ = std::move(descripcion);
    accion("mnu_graficoPng", "Guardar gráfico como PNG...", &AccionesSalida::graficoPng);
    accion("mnu_graficoSvg", "Guardar gráfico como SVG...", &AccionesSalida::graficoSvg);
}

void AccionesSalida::agregar(QAction* a) {
    menu_->addAction(a);
    acciones_.push_back(a);
    for (QWidget* control : contextuales_) {
        if (control) {
            control->addAction(a);
        }
    }
}

void AccionesSalida::menuContextual(QWidget& control) {
    control.addActions(QList<QAction*>(acciones_.begin(), acciones_.end()));
    control.setContextMenuPolicy(Qt::ActionsContextMenu);
    contextuales_.emplace_back(&control);
}

QAction* AccionesSalida::accion(const char* nombre, const char* texto,
                                void (AccionesSalida::*hacer)()) {
    auto* a = new QAction(texto, &ventana_);
    a->setObjectName(nombre);
    connect(a, &QAction::triggered, this, hacer);
    agregar(a);
    return a;
}

template <typename Hacer> void AccionesSalida::intentar(Hacer hacer) {
    try {
        const core::ui::CursorOcupado ocupado;
        hacer();
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloNumero);
    }
}

bool AccionesSalida::hayFilas() const {
    if (origen_.grilla().filas() < 2) {
        dialogos_.mensaje("No hay resultados que guardar: ejecute primero la consulta.");
        return false;
    }
    return true;
}

std::string AccionesSalida::pedirRuta(const char* descripcion, const char* extension) {
    const std::string inicial =
        carpeta_ + "/" + nombreArchivo(ventana_.windowTitle()) + "." + extension;
    return dialogos_.guardarArchivo("Guardar", std::string(descripcion) + "|*." + extension,
                                    inicial);
}

void AccionesSalida::imprimirEn(QPagedPaintDevice& impresora) const {
    papel::DibujoGrafico grafico;
    if (grafico_) {
        grafico = [vista = grafico_](QPainter& pintor, const QRectF& area) {
            PintarGraficoVista(vista, pintor, area);
        };
    }
    papel::ImprimirTabla(impresora, origen_.grilla(), origen_.encabezado(), grafico,
                         descripcionGrafico_ ? descripcionGrafico_() : "");
}

void AccionesSalida::vistaPrevia() {
    if (!hayFilas()) {
        return;
    }
    QPrinter impresora(QPrinter::HighResolution);
    dialogos_.vistaPrevia(impresora,
                          [this](QPrinter& destino) { intentar([&] { imprimirEn(destino); }); });
}

void AccionesSalida::guardarPdf() {
    if (!hayFilas()) {
        return;
    }
    const std::string ruta = pedirRuta("Documento PDF", "pdf");
    if (!ruta.empty()) {
        intentar([&] {
            papel::EscribirPdf(ruta, ventana_.windowTitle().toStdString(),
                               [this](QPagedPaintDevice& pdf) { imprimirEn(pdf); });
        });
    }
}

void AccionesSalida::exportarCsv() {
    if (!hayFilas()) {
        return;
    }
    const std::string ruta = pedirRuta("Texto separado por comas (CSV)", "csv");
    if (ruta.empty()) {
        return;
    }
    intentar([&] {
        const ColumnasSalida c = origen_.columnas();
        FilasDeGrilla filas(origen_.grilla(), 0);
        std::ostringstream texto;
        EscribirCsv({c.titulos, c.anchos, c.tipos, filas}, texto);
        core::reemplazarArchivo(ruta, texto.str());
    });
}

void AccionesSalida::exportarXlsx() {
    if (!hayFilas()) {
        return;
    }
    const std::string ruta = pedirRuta("Libro de Excel (XLSX)", "xlsx");
    if (ruta.empty()) {
        return;
    }
    intentar([&] {
        const ColumnasSalida c = origen_.columnas();
        FilasDeGrilla filas(origen_.grilla(), 0);
        EscribirXlsx(ruta, {c.titulos, c.anchos, c.tipos, filas}, origen_.encabezado);
    });
}

void AccionesSalida::graficoPng() {
    const std::string ruta = pedirRuta("Imagen PNG", "png");
    if (ruta.empty()) {
        return;
    }
    const auto respuesta = dialogos_.entrada(
        "Resolución de la imagen, en puntos por pulgada (72 a 1200):", "Guardar gráfico",
        std::to_string(PuntosPorPulgadaPng));
    if (!respuesta) {
        return;
    }
    const int ppp = QString::fromStdString(*respuesta).trimmed().toInt();
    if (ppp < 72 || ppp > 1200) {
        dialogos_.mensaje("La resolución va de 72 a 1200 puntos por pulgada.");
        return;
    }
    intentar([&] { GuardarGraficoPng(grafico_, ruta, ppp, descripcionGrafico_()); });
}

void AccionesSalida::graficoSvg() {
    const std::string ruta = pedirRuta("Dibujo SVG", "svg");
    if (!ruta.empty()) {
        intentar([&] { GuardarGraficoSvg(grafico_, ruta, descripcionGrafico_()); });
    }
}

} // namespace reports::ui
