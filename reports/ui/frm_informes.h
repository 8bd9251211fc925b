#pragma once

#include "reports/ui/ventana_informe.h"

// The report windows that are their report and nothing more, beside the
// overdue follow-up (frm_atrasos) and the summary (frm_resumen).
namespace reports::ui {

// Members, readers and loans of the period per grade, and their total; a
// chart of the share of readers per grade.
class frm_participacion : public VentanaInforme {
    Q_OBJECT
public:
    frm_participacion(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre = nullptr);
};

// The members of the filter who borrowed nothing in the period: a class list.
class frm_sin_prestamos : public VentanaInforme {
    Q_OBJECT
public:
    frm_sin_prestamos(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre = nullptr);
};

// The copies nobody took out since the from-date, or ever: for weeding.
class frm_sin_uso : public VentanaInforme {
    Q_OBJECT
public:
    frm_sin_uso(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre = nullptr);
};

// Loans and readers month by month against the year before, with their lines.
class frm_mensual : public VentanaInforme {
    Q_OBJECT
public:
    frm_mensual(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre = nullptr);
};

} // namespace reports::ui
