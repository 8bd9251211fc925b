#include "reports/ui/grilla_ventana.h"

#include "core/error.h"
#include "core/reloj.h"
#include "core/twips.h"
#include "core/ui/cursor_ocupado.h"
#include "core/ui/dialogos.h"
#include "core/ui/disposicion.h"
#include "core/ui/icono_boton.h"
#include "core/ui/mostrar_error.h"
#include "reports/tabla_salida.h"
#include "reports/ui/acciones_salida.h"
#include "reports/ui/disenos.h"
#include "reports/ui/grilla_modelo.h"
#include "store/contexto.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace reports::ui {

namespace {

// How wide, in twips, a column may grow to show its contents.
constexpr int AnchoMaximoPorContenido = 4500;

} // namespace

VentanaGrilla::VentanaGrilla(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                             const std::vector<ColumnaGrilla>& columnas,
                             const DisenoVentanaGrilla& diseno, QWidget* padre)
    : QWidget(padre), ctx_(ctx), dialogos_(dialogos), pagina_(core::ui::paginaDesplazable(*this)),
      Frame1(new QGroupBox("Filtrar datos", pagina_)), filtros_(Frame1, ctx.reloj.hoy()),
      columnas_(columnas), modelo_(new ModeloGrilla(this)) {
    Frame1->setObjectName("Frame1");
    Frame1->setFont(QFont("Small Fonts", 7));
    etiquetar(filtros_.cmb_tipousu, "Usuario");
    etiquetar(filtros_.cmb_grado, "Grado");
    etiquetar(filtros_.cmb_tematica, "Temática");

    cmd_buscar = boton("cmd_buscar", "Buscar", "buscar");
    cmd_copy = boton("cmd_copy", "Copiar al portapapeles", "copiar");
    cmd_print = boton("cmd_print", "Imprimir", "imprimir");
    cmd_reload = boton("cmd_reload", "Limpiar formulario", "limpiar");
    connect(cmd_copy, &QPushButton::clicked, this, [this] { copiar(false); });
    connect(cmd_print, &QPushButton::clicked, this, &VentanaGrilla::imprimir);

    fg_usu = new QTableView(pagina_);
    fg_usu->setObjectName("fg_usu");
    fg_usu->setModel(modelo_);
    fg_usu->setSelectionMode(QAbstractItemView::ContiguousSelection);
    fg_usu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fg_usu->setWordWrap(false);
    fg_usu->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fg_usu->verticalHeader()->setDefaultSectionSize(py(240));
    connect(fg_usu->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &VentanaGrilla::seguirSeleccion);
    connect(fg_usu->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &VentanaGrilla::seguirSeleccion);
    connect(fg_usu, &QTableView::doubleClicked, this, &VentanaGrilla::alDobleClicEnCelda);
    // A click on a header selects its column and makes row 1 current.
    connect(fg_usu->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int seccion) {
                if (modelo_->grilla().filas() > 1) {
                    modelo_->grillaActual().fijarCelda(1, seccion + 1);
                }
                reordenar();
            });

    lbl_filas = new QLabel(pagina_);
    lbl_filas->setObjectName("lbl_filas");
    // An empty result says so over the grid, not as a lone empty row.
    lbl_sinResultados = new QLabel("Sin resultados", fg_usu->viewport());
    lbl_sinResultados->setObjectName("lbl_sinResultados");
    lbl_sinResultados->setAlignment(Qt::AlignCenter);
    lbl_sinResultados->setVisible(false);
    auto* centro = new QVBoxLayout(fg_usu->viewport());
    centro->addWidget(lbl_sinResultados);

    crearSalidas();
    disposicion_ = new core::ui::Disposicion(*this, UbicacionesVentanaGrilla(diseno), pagina_);
    setMinimumSize(px(MinimoVentanas.width()), py(MinimoVentanas.height()));
    resize(sizeHint());
}

QSize VentanaGrilla::sizeHint() const {
    return {px(AnchoVentanaGrilla), py(AltoVentanas)};
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

void VentanaGrilla::etiquetar(const QWidget* control, const char* texto) {
    auto* etiqueta = new QLabel(texto, control->parentWidget());
    etiqueta->setObjectName(
        QString::fromStdString(NombreEtiqueta(control->objectName().toStdString())));
    etiqueta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QPushButton* VentanaGrilla::boton(const char* nombre, const char* ayuda, const char* icono) {
    auto* b = new QPushButton(Frame1);
    b->setObjectName(nombre);
    b->setToolTip(ayuda);
    b->setIcon(core::ui::iconoBoton(icono));
    return b;
}

void VentanaGrilla::ubicar(const core::ui::Ubicacion& ubicacion) {
    disposicion_->agregar(ubicacion);
}

QLineEdit* VentanaGrilla::cuadroTexto(const char* nombre, const char* etiqueta, int fila) {
    auto* cuadro = new QLineEdit(Frame1);
    cuadro->setObjectName(nombre);
    etiquetar(cuadro, etiqueta);
    for (const core::ui::Ubicacion& u : UbicacionesCuadroTexto(nombre, fila)) {
        ubicar(u);
    }
    return cuadro;
}

void VentanaGrilla::fijarFiltros(const EstadoFiltros& estado) {
    filtros_.fijarEstado(estado);
}

Grilla VentanaGrilla::GrillaDeSentencia(const std::string& sentencia) {
    return GrillaDeConsulta(ctx_, sentencia, columnas_);
}

FiltrosPrestamos VentanaGrilla::filtrosPanel() const {
    FiltrosPrestamos f;
    f.panel = filtros_.estado();
    return f;
}

void VentanaGrilla::alPulsarEnter(QLineEdit* cuadro, const char* VOrden) {
    connect(cuadro, &QLineEdit::returnPressed, this, [this, VOrden] { Lista(VOrden); });
}

void VentanaGrilla::alBuscar(const char* VOrden) {
    connect(cmd_buscar, &QPushButton::clicked, this, [this, VOrden] { Lista(VOrden); });
}

void VentanaGrilla::alCambiarFiltros(const std::function<void()>& listar) {
    ControlesFiltro& f = filtros_;
    for (QCheckBox* caja : {f.chk_desde, f.chk_hasta}) {
        connect(caja, &QCheckBox::toggled, this, listar);
    }
    for (QComboBox* lista : {f.cmb_tipousu, f.cmb_grado, f.cmb_tematica}) {
        connect(lista, &QComboBox::currentIndexChanged, this, listar);
    }
    for (QDateEdit* fecha : {f.DTP_desde, f.DTP_hasta}) {
        connect(fecha, &QDateEdit::dateChanged, this, listar);
    }
}

// The lists and boxes change as the user would change them, so each one that
// changes runs its own handler.
void VentanaGrilla::alLimpiar(std::initializer_list<QLineEdit*> cuadros) {
    connect(cmd_reload, &QPushButton::clicked, this,
            [this, cuadros = std::vector<QLineEdit*>(cuadros)] {
                for (QLineEdit* cuadro : cuadros) {
                    cuadro->clear();
                }
                limpiarPanelYGrilla();
            });
}

void VentanaGrilla::Lista(const std::string& VOrden) {
    try {
        Grilla nueva = [this, &VOrden] {
            const core::ui::CursorOcupado ocupado;
            return Consultar(VOrden);
        }();
        modelo_->reemplazar(std::move(nueva));
        mostrarGrilla();
        Q_EMIT grillaMostrada();
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloPorDefecto);
    }
}

// Widths in the header, the row count, and the view's current cell where the
// run left it, the view itself showing the first row and column.
void VentanaGrilla::mostrarGrilla() {
    const Grilla& g = modelo_->grilla();
    if (g.columnas() > 0) {
        fg_usu->verticalHeader()->setFixedWidth(
            std::max(px(g.ancho(0)), fg_usu->verticalHeader()->sizeHint().width()));
    }
    for (int c = 1; c < g.columnas(); ++c) {
        fg_usu->horizontalHeader()->resizeSection(c - 1, anchoColumna(c - 1, px(g.ancho(c))));
    }
    const int datos = std::max(g.filas() - 2, 0);
    lbl_filas->setText(g.filas() < 2 ? QString()
                       : datos == 1  ? QString("1 fila")
                                     : QString("%1 filas").arg(datos));
    lbl_sinResultados->setVisible(g.filas() >= 2 && datos == 0);
    if (g.fila() >= 1 && g.columna() >= 1) {
        // Current as the run left it, without scrolling to it.
        fg_usu->setAutoScroll(false);
        fg_usu->setCurrentIndex(modelo_->index(g.fila() - 1, g.columna() - 1));
        fg_usu->setAutoScroll(true);
    }
    fg_usu->scrollToTop();
    fg_usu->horizontalScrollBar()->setValue(0);
}

// The designed width is the least: a column is widened to show its caption
// whole and the first rows' texts, up to a limit for long titles.
int VentanaGrilla::anchoColumna(int seccion, int disenado) const {
    const int limite = std::max(disenado, px(AnchoMaximoPorContenido));
    const QAbstractItemView* vista = fg_usu;
    return std::max({disenado, fg_usu->horizontalHeader()->sectionSizeHint(seccion),
                     std::min(vista->sizeHintForColumn(seccion), limite)});
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

void VentanaGrilla::alDobleClicEnCelda() {
    reordenar();
}

void VentanaGrilla::reordenar() {
    if (const auto clave = ClaveOrden(modelo_->grilla(), columnas_)) {
        Lista(*clave);
    }
}

void VentanaGrilla::limpiarPanelYGrilla() {
    filtros_.cmb_tipousu->setCurrentIndex(0);
    filtros_.cmb_grado->setCurrentIndex(0);
    filtros_.cmb_tematica->setCurrentIndex(0);
    Grilla vacia = modelo_->grilla();
    vacia.fijarFilas(1);
    vacia.fijarColumnas(1);
    modelo_->reemplazar(std::move(vacia));
    mostrarGrilla();
    filtros_.chk_desde->setChecked(false);
    filtros_.chk_hasta->setChecked(false);
    filtros_.DTP_desde->setEnabled(false);
    filtros_.DTP_hasta->setEnabled(false);
}

void VentanaGrilla::crearSalidas() {
    salidas_ = new AccionesSalida(*this, dialogos_, ctx_.carpeta,
                                  {[this]() -> const Grilla& { return modelo_->grilla(); },
                                   [this] { return ColumnasDe(columnas_, true); },
                                   [this] { return encabezado(); }});
    auto* conTitulos = new QAction("Copiar con encabezados", this);
    conTitulos->setObjectName("mnu_copiarConTitulos");
    connect(conTitulos, &QAction::triggered, this, [this] { copiar(true); });
    salidas_->agregar(conTitulos);
    // Ctrl+C copies the whole selection, as the copy button does, not the
    // view's current cell alone.
    fg_usu->installEventFilter(this);
    salidas_->menuContextual(*fg_usu);

    cmd_salidas = new QToolButton(Frame1);
    cmd_salidas->setObjectName("cmd_salidas");
    cmd_salidas->setText("Guardar");
    cmd_salidas->setToolTip("Vista previa, PDF, CSV, Excel");
    cmd_salidas->setMenu(salidas_->menu());
    cmd_salidas->setPopupMode(QToolButton::InstantPopup);
}

std::vector<std::string> VentanaGrilla::otrosFiltros() const {
    std::vector<std::string> palabras;
    const auto etiquetaDe = [this](const QWidget* control) {
        const auto* etiqueta = Frame1->findChild<QLabel*>(
            QString::fromStdString(NombreEtiqueta(control->objectName().toStdString())));
        return etiqueta ? etiqueta->text().toStdString() : control->objectName().toStdString();
    };
    for (const QLineEdit* cuadro : Frame1->findChildren<QLineEdit*>()) {
        if (!cuadro->text().trimmed().isEmpty() && !qobject_cast<QComboBox*>(cuadro->parent()) &&
            !qobject_cast<QDateEdit*>(cuadro->parent())) {
            palabras.push_back(etiquetaDe(cuadro) + ": " + cuadro->text().trimmed().toStdString());
        }
    }
    for (const QCheckBox* casilla : Frame1->findChildren<QCheckBox*>()) {
        if (casilla->isChecked() && casilla != filtros_.chk_desde &&
            casilla != filtros_.chk_hasta) {
            palabras.push_back(casilla->text().toStdString());
        }
    }
    return palabras;
}

std::vector<std::string> VentanaGrilla::encabezado() const {
    return EncabezadoVentana(ctx_, *this, filtros_.estado(), otrosFiltros(),
                             std::max(modelo_->grilla().filas() - 2, 0));
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
        salidas_->imprimirEn(impresora);
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloNumero);
    }
}

bool VentanaGrilla::eventFilter(QObject* objeto, QEvent* evento) {
    const bool copia =
        objeto == fg_usu &&
        (evento->type() == QEvent::KeyPress || evento->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy);
    if (!copia) {
        return QWidget::eventFilter(objeto, evento);
    }
    if (evento->type() == QEvent::KeyPress) {
        copiar(false);
    }
    evento->accept();
    return true;
}

void VentanaGrilla::copiar(bool conTitulos) {
    if (modelo_->grilla().filas() < 2) {
        return;
    }
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(QString::fromStdString(modelo_->grilla().textoSeleccion(conTitulos)));
}

} // namespace reports::ui
