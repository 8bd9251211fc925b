#include "reports/ui/frm_ranking.h"

#include "core/error.h"
#include "core/reloj.h"
#include "core/twips.h"
#include "core/ui/dialogos.h"
#include "core/ui/disposicion.h"
#include "core/ui/icono_boton.h"
#include "core/ui/mostrar_error.h"
#include "reports/tabla_ranking.h"
#include "reports/tabla_salida.h"
#include "reports/ui/acciones_salida.h"
#include "reports/ui/disenos.h"
#include "reports/ui/fabrica_grafico.h"
#include "store/contexto.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace reports::ui {

frm_ranking::frm_ranking(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    // Both pickers start on today; no ranking is computed until a choice.
    : QWidget(parent), ctx_(ctx), dialogos_(dialogos), pagina_(core::ui::paginaDesplazable(*this)),
      filtros_(pagina_, ctx.reloj.hoy()) {
    setObjectName("frm_ranking");
    setWindowTitle("Ranking");
    crearControles();
    crearSalidas();
    conectar();
    new core::ui::Disposicion(*this, UbicacionesRanking(), pagina_);
    setMinimumSize(core::twips::aPixeles(MinimoVentanas.width(), logicalDpiX()),
                   core::twips::aPixeles(MinimoVentanas.height(), logicalDpiY()));
    resize(sizeHint());
}

frm_ranking::~frm_ranking() {
    // The controls may still signal while the base class takes them down
    // (focus moving as they go); this window no longer listens.
    for (QObject* hijo : findChildren<QObject*>()) {
        hijo->disconnect(this);
    }
}

QSize frm_ranking::sizeHint() const {
    return {core::twips::aPixeles(AnchoRanking, logicalDpiX()),
            core::twips::aPixeles(AltoVentanas, logicalDpiY())};
}

QGroupBox* frm_ranking::marco(const char* nombre, const char* titulo) {
    auto* m = new QGroupBox(QString::fromUtf8(titulo), pagina_);
    m->setObjectName(nombre);
    auto* rejilla = new QGridLayout(m);
    rejilla->setContentsMargins(4, 2, 4, 2);
    rejilla->setVerticalSpacing(2);
    return m;
}

QPushButton* frm_ranking::botonImagen(const char* nombre, const char* icono, const char* ayuda) {
    auto* b = new QPushButton(marcoGrafico_);
    b->setObjectName(nombre);
    b->setIcon(core::ui::iconoBoton(icono));
    b->setToolTip(QString::fromUtf8(ayuda));
    return b;
}

void frm_ranking::crearControles() {
    TextLista = new QPlainTextEdit(pagina_);
    TextLista->setObjectName("TextLista");
    TextLista->setReadOnly(true);
    TextLista->setLineWrapMode(QPlainTextEdit::NoWrap);

    QGroupBox* filtrar = marco("fra_filtrar", "Filtrar datos");
    auto* rejilla = static_cast<QGridLayout*>(filtrar->layout());
    int fila = 0;
    for (auto [texto, lista] : {std::pair{"Usuario", filtros_.cmb_tipousu},
                                {"Grado", filtros_.cmb_grado},
                                {"Temática", filtros_.cmb_tematica}}) {
        rejilla->addWidget(new QLabel(QString::fromUtf8(texto), filtrar), fila, 0);
        rejilla->addWidget(lista, fila++, 1);
    }
    rejilla->setColumnStretch(1, 1);

    rejilla = static_cast<QGridLayout*>(marco("fra_fecha", "Fecha")->layout());
    rejilla->addWidget(filtros_.chk_desde, 0, 0);
    rejilla->addWidget(filtros_.DTP_desde, 1, 0);
    rejilla->addWidget(filtros_.chk_hasta, 2, 0);
    rejilla->addWidget(filtros_.DTP_hasta, 3, 0);

    QGroupBox* agrupar = marco("fra_agrupar", "Agrupar por");
    rejilla = static_cast<QGridLayout*>(agrupar->layout());
    opt_agrupar = new QButtonGroup(this);
    opt_agrupar->setObjectName("opt_agrupar");
    int i = 0;
    for (const char* texto : {"Usuario", "Libro", "Tema", "Grado", "Nivel educativo"}) {
        auto* opcion = new QRadioButton(texto, agrupar);
        opcion->setObjectName(QString("opt_agrupar_%1").arg(i));
        opt_agrupar->addButton(opcion, i);
        rejilla->addWidget(opcion, i++, 0);
    }

    QGroupBox* mostrar = marco("fra_mostrar", "Mostrar");
    rejilla = static_cast<QGridLayout*>(mostrar->layout());
    chk_mostrar = new QButtonGroup(this);
    chk_mostrar->setObjectName("chk_mostrar");
    chk_mostrar->setExclusive(false);
    i = 0;
    for (const char* texto :
         {"DNI", "Apellido y Nombre", "Grado", "Tipo", "Titulo", "Tematica", "Autor"}) {
        auto* casilla = new QCheckBox(texto, mostrar);
        casilla->setObjectName(QString("chk_mostrar_%1").arg(i));
        chk_mostrar->addButton(casilla, i);
        rejilla->addWidget(casilla, i % 4, i / 4);
        ++i;
    }

    marcoGrafico_ = marco("fra_grafico", "Gráfico");
    rejilla = static_cast<QGridLayout*>(marcoGrafico_->layout());
    txt_barras = new QLineEdit("5", marcoGrafico_);
    txt_barras->setObjectName("txt_barras");
    txt_barras->setContextMenuPolicy(Qt::NoContextMenu);
    txt_barras->installEventFilter(this);
    cmd_porcentual = new QPushButton("%", marcoGrafico_);
    cmd_porcentual->setObjectName("cmd_porcentual");
    cmd_Vgrafico = botonImagen("cmd_Vgrafico", "grafico", "Cambiar el tipo de gráfico");
    cmd_copy = botonImagen("cmd_copy", "copiar", "Copiar al portapapeles");
    cmd_print = botonImagen("cmd_print", "imprimir", "Imprimir");
    rejilla->addWidget(new QLabel("Barras", marcoGrafico_), 0, 0);
    rejilla->addWidget(txt_barras, 0, 1);
    rejilla->addWidget(cmd_porcentual, 1, 0);
    rejilla->addWidget(cmd_Vgrafico, 1, 1);
    rejilla->addWidget(cmd_copy, 2, 0);
    rejilla->addWidget(cmd_print, 2, 1);
    cmd_salidas = new QToolButton(marcoGrafico_);
    cmd_salidas->setObjectName("cmd_salidas");
    cmd_salidas->setText("Guardar");
    cmd_salidas->setToolTip("Vista previa, PDF, CSV, Excel, imagen del gráfico");
    cmd_salidas->setPopupMode(QToolButton::InstantPopup);
    rejilla->addWidget(cmd_salidas, 3, 0, 1, 2);

    lbl_descipcionBarras = new QLabel(pagina_);
    lbl_descipcionBarras->setObjectName("lbl_descipcionBarras");
    char_socios = CrearVistaGrafico(pagina_);
}

void frm_ranking::conectar() {
    connect(opt_agrupar, &QButtonGroup::idClicked, this, &frm_ranking::elegirAgrupacion);
    connect(chk_mostrar, &QButtonGroup::idClicked, this, &frm_ranking::reiniciarYListar);
    for (QComboBox* lista : {filtros_.cmb_tipousu, filtros_.cmb_grado, filtros_.cmb_tematica}) {
        connect(lista, &QComboBox::activated, this, &frm_ranking::reiniciarYListar);
    }
    for (QCheckBox* casilla : {filtros_.chk_desde, filtros_.chk_hasta}) {
        connect(casilla, &QCheckBox::toggled, this, &frm_ranking::reiniciarYListar);
    }
    for (QDateEdit* fecha : {filtros_.DTP_desde, filtros_.DTP_hasta}) {
        connect(fecha, &QDateEdit::dateChanged, this, &frm_ranking::reiniciarYListar);
    }
    connect(cmd_porcentual, &QPushButton::clicked, this, [this] {
        porcentaje_ = !porcentaje_;
        cmd_porcentual->setText(porcentaje_ ? "%" : "N");
        Lista();
    });
    connect(cmd_Vgrafico, &QPushButton::clicked, this, &frm_ranking::cambiarTipo);
    connect(cmd_copy, &QPushButton::clicked, this, &frm_ranking::copiar);
    connect(cmd_print, &QPushButton::clicked, this, &frm_ranking::imprimir);
}

bool frm_ranking::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != txt_barras || evento->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(objeto, evento);
    }
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    char32_t caracter = 0;
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        caracter = U'\r';
        break;
    case Qt::Key_Backspace:
        caracter = U'\b';
        break;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false; // editing and focus keys, not typed characters
    default:
        if (tecla->text().isEmpty()) {
            return false; // arrows, Home, End...
        }
        caracter = tecla->text().toUcs4().value(0);
    }
    switch (ranking::TeclaEnBarras(caracter)) {
    case ranking::Tecla::Aceptar:
        return false;
    case ranking::Tecla::Listar:
        Lista();
        return true;
    case ranking::Tecla::Descartar:
        return true;
    }
    return true;
}

ranking::Casillas frm_ranking::casillas() const {
    ranking::Casillas c;
    for (int i = 0; i < ranking::CantidadCasillas; ++i) {
        const QAbstractButton* b = chk_mostrar->button(i);
        c[static_cast<std::size_t>(i)] = {b->isEnabled(), b->isChecked()};
    }
    return c;
}

void frm_ranking::mostrarCasillas(const ranking::Casillas& c) {
    for (int i = 0; i < ranking::CantidadCasillas; ++i) {
        QAbstractButton* b = chk_mostrar->button(i);
        b->setEnabled(c[static_cast<std::size_t>(i)].habilitada);
        b->setChecked(c[static_cast<std::size_t>(i)].marcada);
    }
}

int frm_ranking::agrupacion() const {
    return std::max(opt_agrupar->checkedId(), 0);
}

ranking::Presentacion frm_ranking::presentacion() const {
    return {porcentaje_, ctx_.TotalPrestamos, QLocale::system().decimalPoint().toStdString()};
}

void frm_ranking::elegirAgrupacion(int agrupacion) {
    opt_agrupar->button(agrupacion)->setChecked(true);
    txt_barras->setText("5");
    ranking::Casillas c = casillas();
    ranking::AjustarCasillas(agrupacion, c);
    mostrarCasillas(c);
    Lista();
}

void frm_ranking::fijarFiltros(const EstadoFiltros& estado) {
    filtros_.fijarEstado(estado);
}

void frm_ranking::reiniciarYListar() {
    txt_barras->setText("5");
    Lista();
}

void frm_ranking::crearSalidas() {
    salidas_ = new AccionesSalida(
        *this, dialogos_, ctx_.carpeta,
        {[this]() -> const Grilla& { return tabla_; },
         [this] { return ColumnasDe(ranking::ColumnasRanking(ranking_, presentacion()), true); },
         [this] {
             const QAbstractButton* opcion = opt_agrupar->checkedButton();
             std::vector<std::string> agrupado;
             if (opcion) {
                 agrupado.push_back("Agrupado por " + opcion->text().toStdString());
             }
             return EncabezadoVentana(ctx_, *this, filtros_.estado(), agrupado,
                                      static_cast<long>(ranking_.filas.size()));
         }});
    salidas_->fijarGrafico(char_socios,
                           [this] { return lbl_descipcionBarras->text().toStdString(); });
    cmd_salidas->setMenu(salidas_->menu());
}

void frm_ranking::Lista() {
    TextLista->clear();
    tabla_ = Grilla();
    const int agr = agrupacion();
    ranking::Casillas c = casillas();
    ranking::FijarCasillaPropia(agr, c);
    mostrarCasillas(c);
    const ranking::Marcas marcas = ranking::MarcasDe(c);
    const ranking::Presentacion p = presentacion();
    lbl_descipcionBarras->setText(
        QString::fromStdString(ranking::Descripcion(agr, marcas, p.porcentaje)));
    try {
        ranking_ =
            ranking::EjecutarRanking(ctx_, agr, marcas, filtros_.estado(),
                                     ranking::BarrasPedidas(txt_barras->text().toStdString()));
        if (ranking_.filas.empty()) {
            LimpiarGrafico();
            return;
        }
        QString texto = QString::fromStdString(ranking::TextoLista(ranking_, p));
        texto.replace("\r\n", "\n");
        TextLista->setPlainText(texto);
        tabla_ = ranking::GrillaRanking(ranking_, p);
        Graficar();
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloPorDefecto);
    }
}

void frm_ranking::Graficar() {
    const int n = ranking::Graficar(grafico_, ranking_, presentacion());
    txt_barras->setText(QString::number(n));
    DibujarGrafico(char_socios, grafico_);
}

void frm_ranking::LimpiarGrafico() {
    ranking::LimpiarGrafico(grafico_);
    DibujarGrafico(char_socios, grafico_);
}

void frm_ranking::cambiarTipo() {
    try {
        const int barras = ranking::SiguienteTipo(grafico_, ranking_, presentacion());
        txt_barras->setText(QString::number(barras));
        DibujarGrafico(char_socios, grafico_);
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloPorDefecto);
    }
}

void frm_ranking::copiar() {
    QApplication::clipboard()->setImage(ImagenGrafico(char_socios));
}

void frm_ranking::imprimir() {
    QPrinter impresora(QPrinter::HighResolution);
    if (!dialogos_.elegirImpresora(impresora)) {
        return; // cancelled: nothing printed, nothing said
    }
    // The picture goes through the clipboard, which keeps it afterwards.
    QApplication::clipboard()->setImage(ImagenGrafico(char_socios));
    try {
        salidas_->imprimirEn(impresora);
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloNumero);
    }
}

} // namespace reports::ui
