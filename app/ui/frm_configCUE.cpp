#include "app/ui/frm_configCUE.h"

#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/formato_cue.h"
#include "core/texto.h"
#include "core/twips.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "store/ciudades.h"
#include "store/contexto.h"
#include "store/esquema.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app::ui {

namespace {

QLabel* etiqueta(const char* nombre, const char* texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

QLineEdit* caja(const char* nombre, int largo, QWidget* padre) {
    auto* c = new QLineEdit(padre);
    c->setObjectName(nombre);
    c->setMaxLength(largo);
    return c;
}

} // namespace

frm_configCUE::frm_configCUE(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), ctx_(ctx), dialogos_(dialogos) {
    setObjectName("frm_configCUE");
    setWindowTitle("Codigo CUE");
    txt_CUE1_ = caja("txt_CUE1", 7, this);
    txt_CUE2_ = caja("txt_CUE2", 2, this);
    cmb_provincia_ = new QComboBox(this);
    cmb_provincia_->setObjectName("cmb_provincia");
    for (const store::Provincia& p : store::Provincias()) {
        cmb_provincia_->addItem(QString::fromUtf8(p.nombre), p.id);
    }
    cmb_provincia_->setCurrentIndex(-1);
    cmb_ciudad_ = new QComboBox(this);
    cmb_ciudad_->setObjectName("cmb_ciudad");
    auto* grabar = new QPushButton("Grabar", this);
    grabar->setObjectName("cmd_grabar");
    auto* cancelar = new QPushButton("Cancelar", this);
    cancelar->setObjectName("cmd_cancelar");

    auto* rejilla = new QGridLayout(this);
    // Grabar and Cancelar stand one over the other: apart, not touching.
    rejilla->setVerticalSpacing(8);
    rejilla->setHorizontalSpacing(8);
    rejilla->addWidget(etiqueta("Label1", "CUE", this), 0, 0);
    rejilla->addWidget(txt_CUE1_, 0, 1);
    rejilla->addWidget(txt_CUE2_, 0, 2);
    rejilla->addWidget(grabar, 0, 3);
    rejilla->addWidget(etiqueta("Label2", "Provincia", this), 1, 0);
    rejilla->addWidget(cmb_provincia_, 1, 1, 1, 2);
    rejilla->addWidget(cancelar, 1, 3);
    rejilla->addWidget(etiqueta("Label3", "Ciudad", this), 2, 0);
    rejilla->addWidget(cmb_ciudad_, 2, 1, 1, 2);

    core::Archivo_Ini ini(ctx_.carpetaConfiguracion);
    ini.Cargar("INICIO");
    const std::string primera = core::texto::prefijoUtf8(ini.CUE, 7);
    txt_CUE1_->setText(QString::fromStdString(primera));
    txt_CUE2_->setText(
        QString::fromStdString(core::texto::prefijoUtf8(ini.CUE.substr(primera.size()), 2)));
    // The designed size, or what the controls need when that is more.
    resize(QSize(core::twips::aPixeles(5385, logicalDpiX()),
                 core::twips::aPixeles(1635, logicalDpiY()))
               .expandedTo(minimumSizeHint()));

    connect(cmb_provincia_, &QComboBox::currentIndexChanged, this,
            &frm_configCUE::cmb_provincia_Click);
    connect(grabar, &QPushButton::clicked, this, &frm_configCUE::cmd_grabar_Click);
    connect(cancelar, &QPushButton::clicked, this, &QWidget::close);
}

void frm_configCUE::cmb_provincia_Click(int posicion) {
    cmb_ciudad_->clear();
    // Without a store (no load has run yet) there is no city to offer.
    if (posicion < 0 || !ctx_.Conexion) {
        return;
    }
    try {
        const int provincia = cmb_provincia_->itemData(posicion).toInt();
        for (const store::Ciudad& ciudad : store::CiudadesDeProvincia(ctx_, provincia)) {
            cmb_ciudad_->addItem(QString::fromStdString(ciudad.nombre),
                                 ciudad.id ? QVariant(*ciudad.id) : QVariant());
        }
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloError);
    }
}

void frm_configCUE::cmd_grabar_Click() {
    const std::string cue1 = txt_CUE1_->text().toStdString();
    const std::string cue2 = txt_CUE2_->text().toStdString();
    if (!core::FormatoCUEValido(cue1, cue2)) {
        dialogos_.mensaje("Formato del CUE incorrecto", "Error");
        return;
    }
    core::Archivo_Ini ini(ctx_.carpetaConfiguracion);
    ini.CUE = cue1 + cue2;
    try {
        ini.Grabar("INICIO");
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloError);
        return;
    }
    close();
}

} // namespace app::ui
