#pragma once

#include "export/exportacion.h"

#include <QWidget>

class QCheckBox;
class QDateEdit;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace exportacion::ui {

// The export dialog: an optional date range and the button that writes the
// XML statistics file. It stays open after each export.
class frm_exporta : public QWidget {
    Q_OBJECT
public:
    frm_exporta(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);

    // The bounds whose boxes are ticked, with their pickers' dates.
    PeriodoExportacion periodo() const;

private:
    void cmd_exportar_Click();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QCheckBox* chk_desde_;
    QDateEdit* DTP_desde_;
    QCheckBox* chk_hasta_;
    QDateEdit* DTP_hasta_;
};

} // namespace exportacion::ui
