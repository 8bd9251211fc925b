#include "app/ui/frm_configPath.h"

#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/twips.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "core/ui/tamano_ventana.h"
#include "store/contexto.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace app::ui {

namespace {
constexpr const char* FiltroBases = "Bases Isis|*.mst|Toos los Archivos|*.*";
} // namespace

frm_configPath::frm_configPath(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), txt_presta(new QLineEdit(this)), txt_usua(new QLineEdit(this)),
      txt_marc(new QLineEdit(this)), cmd_grabar(new QPushButton("Grabar", this)),
      cmd_cancelar(new QPushButton("Cancelar", this)), ctx_(ctx), dialogos_(dialogos) {
    setObjectName("frm_configPath");
    setWindowTitle("Ubicacion de las Bases de Datos");
    auto* rejilla = new QGridLayout(this);
    rejilla->setVerticalSpacing(6);
    // Hidden until the start-up has something to explain.
    lbl_explicacion_ = new QLabel(this);
    lbl_explicacion_->setObjectName("lbl_explicacion");
    lbl_explicacion_->setWordWrap(true);
    lbl_explicacion_->setVisible(false);
    rejilla->addWidget(lbl_explicacion_, 0, 0, 1, 3);
    cmd_busca_prestamos =
        fila(1, "Prestamos", txt_presta, "cmd_busca_prestamos", "Seleccione base prestamos");
    cmd_busca_usuarios =
        fila(2, "Usuarios", txt_usua, "cmd_busca_usuarios", "Seleccione base usuarios");
    cmd_busca_biblio =
        fila(3, "Bibliografica", txt_marc, "cmd_busca_biblio", "Seleccione base bibliografica");
    txt_presta->setObjectName("txt_presta");
    txt_usua->setObjectName("txt_usua");
    txt_marc->setObjectName("txt_marc");

    cmd_grabar->setObjectName("cmd_grabar");
    cmd_cancelar->setObjectName("cmd_cancelar");
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmd_grabar);
    botones->addWidget(cmd_cancelar);
    rejilla->addLayout(botones, 4, 0, 1, 3);
    connect(cmd_grabar, &QPushButton::clicked, this, &frm_configPath::cmd_grabar_Click);
    connect(cmd_cancelar, &QPushButton::clicked, this, &frm_configPath::cerrar);

    core::Archivo_Ini ini(ctx_.carpetaConfiguracion);
    ini.Cargar("LINK");
    txt_marc->setText(QString::fromStdString(ini.RutaMarc));
    txt_presta->setText(QString::fromStdString(ini.RutaPresta));
    txt_usua->setText(QString::fromStdString(ini.RutaUsua));

    ajustarTamano();
}

void frm_configPath::explicar(const QString& texto) {
    lbl_explicacion_->setText(texto);
    lbl_explicacion_->setVisible(true);
    ajustarTamano();
}

// The designed size, or what the controls and the caption need when that is
// more: a long caption is an instruction the user must read whole.
void frm_configPath::ajustarTamano() {
    QSize tamano(core::twips::aPixeles(6075, logicalDpiX()),
                 core::twips::aPixeles(2280, logicalDpiY()));
    tamano.setWidth(std::max(tamano.width(), core::ui::anchoParaTitulo(*this)));
    tamano = tamano.expandedTo(minimumSizeHint());
    if (layout()->hasHeightForWidth()) {
        tamano.setHeight(std::max(tamano.height(), layout()->totalHeightForWidth(tamano.width())));
    }
    // Inside the main window the frame around the dialog grows with it.
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        marco->resize(marco->size() + (tamano - size()));
    } else {
        resize(tamano);
    }
}

void frm_configPath::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::WindowTitleChange && lbl_explicacion_ != nullptr) {
        ajustarTamano();
    }
}

QPushButton* frm_configPath::fila(int numero, const char* etiqueta, QLineEdit* caja,
                                  const char* boton, const char* tituloBusqueda) {
    auto* rejilla = static_cast<QGridLayout*>(layout());
    auto* rotulo = new QLabel(etiqueta, this);
    rotulo->setObjectName(QString(boton).replace("cmd_", "lbl_"));
    auto* buscar = new QPushButton("...", this);
    buscar->setObjectName(boton);
    buscar->setFixedWidth(32);
    rejilla->addWidget(rotulo, numero, 0);
    rejilla->addWidget(caja, numero, 1);
    rejilla->addWidget(buscar, numero, 2);
    connect(buscar, &QPushButton::clicked, this, [this, caja, tituloBusqueda] {
        // The dialog opens at the box's current path; a cancel keeps the box.
        const std::string elegido =
            dialogos_.abrirArchivo(tituloBusqueda, FiltroBases, caja->text().toStdString());
        if (!elegido.empty()) {
            caja->setText(QString::fromStdString(elegido));
        }
    });
    return buscar;
}

void frm_configPath::cmd_grabar_Click() {
    core::Archivo_Ini ini(ctx_.carpetaConfiguracion);
    ini.RutaMarc = txt_marc->text().toStdString();
    ini.RutaPresta = txt_presta->text().toStdString();
    ini.RutaUsua = txt_usua->text().toStdString();
    try {
        ini.Grabar("LINK");
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloError);
        return;
    }
    cerrar();
}

void frm_configPath::cerrar() {
    // Inside the main window the frame around the dialog closes with it.
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        marco->close();
    } else {
        close();
    }
}

} // namespace app::ui
