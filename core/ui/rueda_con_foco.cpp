#include "core/ui/rueda_con_foco.h"

#include <QEvent>
#include <QWidget>

namespace core::ui {

namespace {

class RuedaConFoco : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Wheel && !static_cast<QWidget*>(objeto)->hasFocus()) {
            // Ignored: the application hands the wheel to the parent.
            evento->ignore();
            return true;
        }
        return QObject::eventFilter(objeto, evento);
    }
};

} // namespace

void ruedaSoloConFoco(QWidget* control) {
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new RuedaConFoco(control));
}

} // namespace core::ui
