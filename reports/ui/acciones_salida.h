#pragma once

#include "reports/condicion_filtros.h"
#include "reports/grilla.h"
#include "reports/tabla_salida.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QChartView;
class QMenu;
class QPagedPaintDevice;
class QWidget;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace reports::ui {

// What a window hands over for its outputs: its grid (captions in row 0, a
// trailing empty row), the grid's columns as a file shows them and the
// heading's lines.
struct OrigenSalida {
    std::function<const Grilla&()> grilla;
    std::function<ColumnasSalida()> columnas;
    std::function<std::vector<std::string>()> encabezado;
};

// The heading of a window's outputs: its caption, the school code of the
// settings, the period and filters, the row count and today's date.
std::vector<std::string> EncabezadoVentana(const store::Contexto& ctx, const QWidget& ventana,
                                           const EstadoFiltros& filtros,
                                           std::vector<std::string> otrosFiltros, long filas);

// The outputs a librarian keeps, as actions of a window: print preview,
// PDF, CSV, XLSX and, with a chart, the chart as PNG or SVG. Every file and
// printer goes through the dialogs; the files are suggested in `carpeta`
// under the window's caption. Errors are shown, never thrown.
class AccionesSalida : public QObject {
    Q_OBJECT
public:
    AccionesSalida(QWidget& ventana, core::ui::Dialogos& dialogos, std::string carpeta,
                   OrigenSalida origen);

    // The actions, each named as its objectName: mnu_vistaPrevia,
    // mnu_guardarPdf, mnu_exportarCsv, mnu_exportarXlsx and, with a chart,
    // mnu_graficoPng and mnu_graficoSvg.
    const std::vector<QAction*>& acciones() const { return acciones_; }
    // A menu of them, for a menu button.
    QMenu* menu() const { return menu_; }
    // Adds the window's chart, printed after the table, and its actions.
    void fijarGrafico(QChartView* grafico, std::function<std::string()> descripcion);
    // Adds an action of the window's own to the menu.
    void agregar(QAction* accion);
    // Offers the menu's actions, those added later too, on a right-click of
    // `control`.
    void menuContextual(QWidget& control);

    // Prints on `impresora` what the PDF holds.
    void imprimirEn(QPagedPaintDevice& impresora) const;

private:
    QAction* accion(const char* nombre, const char* texto, void (AccionesSalida::*hacer)());
    void vistaPrevia();
    void guardarPdf();
    void exportarCsv();
    void exportarXlsx();
    void graficoPng();
    void graficoSvg();
    // The path the user chose, with the file's kind; empty when cancelled.
    std::string pedirRuta(const char* descripcion, const char* extension);
    bool hayFilas() const;
    template <typename Hacer> void intentar(Hacer hacer);

    QWidget& ventana_;
    core::ui::Dialogos& dialogos_;
    std::string carpeta_;
    OrigenSalida origen_;
    QChartView* grafico_ = nullptr;
    std::function<std::string()> descripcionGrafico_;
    std::vector<QAction*> acciones_;
    QMenu* menu_;
    std::vector<QPointer<QWidget>> contextuales_;
};

} // namespace reports::ui
