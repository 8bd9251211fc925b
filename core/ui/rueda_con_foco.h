#pragma once

class QWidget;

namespace core::ui {

// The mouse wheel changes `control` (a list box, a date picker) only while
// it has the focus; otherwise the wheel goes on to what holds it, so the
// window scrolls instead of a filter changing under the pointer. The control
// no longer takes the focus from the wheel.
void ruedaSoloConFoco(QWidget* control);

} // namespace core::ui
