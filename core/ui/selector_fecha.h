#pragma once

#include "core/reloj.h"

#include <QDate>

class QCheckBox;
class QDateEdit;
class QWidget;

namespace core::ui {

// The program's dates and the date pickers' dates, one into the other.
QDate aQDate(Fecha fecha);
Fecha desdeQDate(const QDate& fecha);

// A date picker named `nombre` showing `fecha` as dd/MM/yyyy, with its
// calendar pop-up, usable only while `casilla` is ticked; the wheel changes
// it only while it has the focus.
QDateEdit* crearSelectorFecha(const char* nombre, Fecha fecha, QCheckBox* casilla, QWidget* padre);

} // namespace core::ui
