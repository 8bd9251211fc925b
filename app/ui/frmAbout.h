#pragma once

#include <QDialog>

namespace core::ui {
class Dialogos;
}

namespace app::ui {

// The about box: name, version, description and the system-information button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(core::ui::Dialogos& dialogos, QWidget* parent = nullptr);
    // The message the system-information button shows (no such tool here).
    static const char* const MensajeSinInfo;
};

QString textoVersion();

} // namespace app::ui
