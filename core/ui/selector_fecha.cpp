#include "core/ui/selector_fecha.h"

#include "core/ui/rueda_con_foco.h"

#include <QCheckBox>
#include <QDateEdit>

namespace core::ui {

QDate aQDate(Fecha fecha) {
    return QDate(static_cast<int>(fecha.year()),
                 static_cast<int>(static_cast<unsigned>(fecha.month())),
                 static_cast<int>(static_cast<unsigned>(fecha.day())));
}

Fecha desdeQDate(const QDate& fecha) {
    return Fecha{std::chrono::year{fecha.year()},
                 std::chrono::month{static_cast<unsigned>(fecha.month())},
                 std::chrono::day{static_cast<unsigned>(fecha.day())}};
}

QDateEdit* crearSelectorFecha(const char* nombre, Fecha fecha, QCheckBox* casilla, QWidget* padre) {
    auto* selector = new QDateEdit(aQDate(fecha), padre);
    selector->setObjectName(nombre);
    selector->setCalendarPopup(true);
    selector->setDisplayFormat("dd/MM/yyyy");
    selector->setEnabled(casilla->isChecked());
    ruedaSoloConFoco(selector);
    QObject::connect(casilla, &QCheckBox::toggled, selector, &QWidget::setEnabled);
    return selector;
}

} // namespace core::ui
