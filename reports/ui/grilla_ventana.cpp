#include "reports/ui/grilla_ventana.h"

#include "core/error.h"
#include "core/reloj.h"
#include "core/twips.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "reports/ui/grilla_modelo.h"
#include "reports/ui/impresion_grilla_qt.h"
#include "store/contexto.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace reports::ui {

namespace {

// The four picture buttons, the filter frame and the window's size, in twips.
constexpr int AnchoBoton = 495;
constexpr int AltoBoton = 375;
constexpr int IzquierdaMarco = 120;
constexpr int AnchoMarco = 11475;
// The designed width (10350) would cut the frame and hide two of its four
// buttons: the window opens as wide as the frame and its margins instead.
constexpr int AnchoVentana = IzquierdaMarco + AnchoMarco + IzquierdaMarco;
constexpr int AltoVentana = 8490;
// The printed table's origin on the page.
constexpr double OrigenImpresion = 400;

} // namespace

VentanaGrilla::VentanaGrilla(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                             const std::vector<ColumnaGrilla>& columnas,
                             const DisenoVentanaGrilla& diseno, QWidget* padre)
    : QWidget(padre), Frame1(new QGroupBox("Filtrar datos", this)),
      filtros(Frame1, ctx.reloj.hoy()), ctx_(ctx), dialogos_(dialogos), columnas_(columnas),
      diseno_(diseno), modelo_(new ModeloGrilla(this)) {
    Frame1->setObjectName("Frame1");
    Frame1->setFont(QFont("Small Fonts", 7));
    ubicar(Frame1, IzquierdaMarco, 120, AnchoMarco, diseno.altoMarco);

    const auto etiquetar = [this](const char* texto, int x, int y) {
        auto* etiqueta = new QLabel(texto, Frame1);
        etiqueta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ubicar(etiqueta, x - 800, y, 760, 285);
    };
    etiquetar("Usuario", 4560, 360);
    ubicar(filtros.cmb_tipousu, 4560, 360, 2985, 285);
    etiquetar("Grado", 4560, 720);
    ubicar(filtros.cmb_grado, 4560, 720, 2985, 285);
    etiquetar("Temática", 4560, 1080);
    ubicar(filtros.cmb_tematica, 4560, 1080, 5205, 285);
    ubicar(filtros.chk_desde, 7680, 360, 735, 255);
    ubicar(filtros.DTP_desde, 8400, 360, 1335, 315);
    ubicar(filtros.chk_hasta, 7680, 720, 735, 255);
    ubicar(filtros.DTP_hasta, 8400, 720, 1335, 315);

    cmd_buscar = boton("cmd_buscar", "Buscar", "edit-find", 10080, 420);
    cmd_copy = boton("cmd_copy", "Copiar al portapapeles", "edit-copy", 10680, 420);
    cmd_print = boton("cmd_print", "Imprimir", "document-print", 10080, 900);
    cmd_reload = boton("cmd_reload", "Limpiar formulario", "edit-clear", 10680, 900);
    connect(cmd_copy, &QPushButton::clicked, this, &VentanaGrilla::copiar);
    connect(cmd_print, &QPushButton::clicked, this, &VentanaGrilla::imprimir);

    fg_usu = new QTableView(this);
    fg_usu->setObjectName("fg_usu");
    fg_usu->setModel(modelo_);
    fg_usu->setSelectionMode(QAbstractItemView::ContiguousSelection);
    fg_usu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fg_usu->setWordWrap(false);
    fg_usu->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fg_usu->verticalHeader()->setDefaultSectionSize(py(240));
    ubicar(fg_usu, 120, diseno.arribaGrilla, 9975, diseno.altoGrilla);
    connect(fg_usu->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &VentanaGrilla::seguirSeleccion);
    connect(fg_usu->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &VentanaGrilla::seguirSeleccion);
    connect(fg_usu, &QTableView::doubleClicked, this, &VentanaGrilla::reordenar);
    // A click on a header selects its column and makes row 1 current.
    connect(fg_usu->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int seccion) {
                if (modelo_->grilla().filas() > 1) {
                    modelo_->grillaActual().fijarCelda(1, seccion + 1);
                }
                reordenar();
            });

    resize(px(AnchoVentana), py(AltoVentana));
}

const Grilla& VentanaGrilla::grilla() const {
    return modelo_->grilla();
}

int VentanaGrilla::px(int twipsX) const {
    return core::twips::aPixeles(twipsX, logicalDpiX());
}
int VentanaGrilla::py(int twipsY) const {
    return core::twips::aPixeles(twipsY, logicalDpiY());
}

void VentanaGrilla::ubicar(QWidget* w, int x, int y, int ancho, int alto) const {
    w->setGeometry(px(x), py(y), px(ancho), py(alto));
}

QPushButton* VentanaGrilla::boton(const char* nombre, const char* ayuda, const char* icono, int x,
                                  int y) {
    auto* b = new QPushButton(Frame1);
    b->setObjectName(nombre);
    b->setToolTip(ayuda);
    b->setIcon(QIcon::fromTheme(icono, style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    ubicar(b, x, y, AnchoBoton, AltoBoton);
    return b;
}

QLineEdit* VentanaGrilla::cuadroTexto(const char* nombre, const char* etiqueta, int fila) {
    const int y = 360 + 360 * fila;
    auto* rotulo = new QLabel(etiqueta, Frame1);
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ubicar(rotulo, 60, y, 735, 315);
    auto* cuadro = new QLineEdit(Frame1);
    cuadro->setObjectName(nombre);
    ubicar(cuadro, 855, y, 2880, 315);
    return cuadro;
}

FiltrosPrestamos VentanaGrilla::filtrosPanel() const {
    FiltrosPrestamos f;
    f.panel = filtros.estado();
    return f;
}

void VentanaGrilla::alPulsarEnter(QLineEdit* cuadro, const char* VOrden) {
    connect(cuadro, &QLineEdit::returnPressed, this, [this, VOrden] { Lista(VOrden); });
}

void VentanaGrilla::Lista(const std::string& VOrden) {
    try {
        const std::string sentencia = Sentencia(VOrden);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Grilla nueva = GrillaDeConsulta(ctx_, sentencia, columnas_);
        QApplication::restoreOverrideCursor();
        modelo_->reemplazar(std::move(nueva));
        mostrarGrilla();
    } catch (const core::Error& e) {
        if (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
        }
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloPorDefecto);
    }
}

// Widths in the header and the view's current cell where the run left it.
void VentanaGrilla::mostrarGrilla() {
    const Grilla& g = modelo_->grilla();
    if (g.columnas() > 0) {
        fg_usu->verticalHeader()->setFixedWidth(px(g.ancho(0)));
    }
    for (int c = 1; c < g.columnas(); ++c) {
        fg_usu->horizontalHeader()->resizeSection(c - 1, px(g.ancho(c)));
    }
    if (g.fila() >= 1 && g.columna() >= 1) {
        const int fila = g.fila();
        const int columna = g.columna();
        fg_usu->setCurrentIndex(modelo_->index(fila - 1, columna - 1));
    }
}

// The grid's current cell and selection follow the user's.
void VentanaGrilla::seguirSeleccion() {
    Grilla& g = modelo_->grillaActual();
    const QModelIndex actual = fg_usu->selectionModel()->currentIndex();
    if (actual.isValid()) {
        g.fijarCelda(actual.row() + 1, actual.column() + 1);
    }
    const QModelIndexList elegidas = fg_usu->selectionModel()->selectedIndexes();
    if (elegidas.isEmpty()) {
        return;
    }
    int f1 = elegidas.front().row(), f2 = f1, c1 = elegidas.front().column(), c2 = c1;
    for (const QModelIndex& i : elegidas) {
        f1 = std::min(f1, i.row());
        f2 = std::max(f2, i.row());
        c1 = std::min(c1, i.column());
        c2 = std::max(c2, i.column());
    }
    g.fijarCelda(f1 + 1, c1 + 1);
    g.extenderSeleccion(f2 + 1, c2 + 1);
}

void VentanaGrilla::reordenar() {
    if (const auto clave = ClaveOrden(modelo_->grilla(), columnas_)) {
        Lista(*clave);
    }
}

void VentanaGrilla::limpiarPanelYGrilla() {
    filtros.cmb_tipousu->setCurrentIndex(0);
    filtros.cmb_grado->setCurrentIndex(0);
    filtros.cmb_tematica->setCurrentIndex(0);
    Grilla vacia = modelo_->grilla();
    vacia.fijarFilas(1);
    vacia.fijarColumnas(1);
    modelo_->reemplazar(std::move(vacia));
    filtros.chk_desde->setChecked(false);
    filtros.chk_hasta->setChecked(false);
    filtros.DTP_desde->setEnabled(false);
    filtros.DTP_hasta->setEnabled(false);
}

void VentanaGrilla::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    const Medida m = MedidaGrilla(core::twips::desdePixeles(width(), logicalDpiX()),
                                  core::twips::desdePixeles(height(), logicalDpiY()),
                                  diseno_.altoMinimo, diseno_.restaAlto);
    fg_usu->resize(px(m.ancho), py(m.alto));
}

void VentanaGrilla::imprimir() {
    if (modelo_->grilla().filas() < 2) {
        return;
    }
    QPrinter impresora(QPrinter::HighResolution);
    // A cancelled printer dialog prints nothing and says nothing.
    if (!dialogos_.elegirImpresora(impresora)) {
        return;
    }
    try {
        ImprimirGrilla(impresora, modelo_->grilla(), OrigenImpresion, OrigenImpresion);
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloNumero);
    }
}

void VentanaGrilla::copiar() {
    if (modelo_->grilla().filas() < 2) {
        return;
    }
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(QString::fromStdString(modelo_->grilla().textoSeleccion()));
}

} // namespace reports::ui
