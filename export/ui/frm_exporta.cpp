#include "export/ui/frm_exporta.h"

#include "core/ui/cursor_ocupado.h"
#include "core/ui/selector_fecha.h"
#include "export/ui/exportar_xml.h"
#include "store/contexto.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

namespace exportacion::ui {

frm_exporta::frm_exporta(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), ctx_(ctx), dialogos_(dialogos) {
    setObjectName("frm_exporta");
    setWindowTitle("Exportacion");
    const core::Fecha hoy = ctx_.reloj.hoy();

    auto* marco = new QGroupBox("Fecha", this);
    marco->setObjectName("Frame2");
    chk_desde_ = new QCheckBox("desde", marco);
    chk_desde_->setObjectName("chk_desde");
    DTP_desde_ =
        core::ui::crearSelectorFecha("DTP_desde", core::sumarDias(hoy, -30), chk_desde_, marco);
    chk_hasta_ = new QCheckBox("hasta", marco);
    chk_hasta_->setObjectName("chk_hasta");
    DTP_hasta_ = core::ui::crearSelectorFecha("DTP_hasta", hoy, chk_hasta_, marco);
    auto* exportar = new QPushButton("Exportar", this);
    exportar->setObjectName("cmd_exportar");
    auto* cancelar = new QPushButton("Cancelar", this);
    cancelar->setObjectName("cmd_cancelar");

    auto* fechas = new QGridLayout(marco);
    fechas->addWidget(chk_desde_, 0, 0);
    fechas->addWidget(DTP_desde_, 0, 1);
    fechas->addWidget(chk_hasta_, 1, 0);
    fechas->addWidget(DTP_hasta_, 1, 1);
    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(marco, 0, 0, 2, 1);
    rejilla->addWidget(exportar, 0, 1);
    rejilla->addWidget(cancelar, 1, 1);

    setTabOrder(chk_desde_, DTP_desde_);
    setTabOrder(DTP_desde_, chk_hasta_);
    setTabOrder(chk_hasta_, DTP_hasta_);
    setTabOrder(DTP_hasta_, exportar);
    setTabOrder(exportar, cancelar);

    connect(exportar, &QPushButton::clicked, this, &frm_exporta::cmd_exportar_Click);
    connect(cancelar, &QPushButton::clicked, this, &QWidget::close);
}

PeriodoExportacion frm_exporta::periodo() const {
    PeriodoExportacion p;
    if (chk_desde_->isChecked()) {
        p.desde = core::ui::desdeQDate(DTP_desde_->date());
    }
    if (chk_hasta_->isChecked()) {
        p.hasta = core::ui::desdeQDate(DTP_hasta_->date());
    }
    return p;
}

void frm_exporta::cmd_exportar_Click() {
    const PeriodoExportacion p = periodo();
    const core::ui::CursorOcupado ocupado;
    ExportarXML(ctx_, dialogos_, FiltroExportacion(p), p);
}

} // namespace exportacion::ui
