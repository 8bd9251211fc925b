#pragma once

#include <QApplication>

namespace core::ui {
class Dialogos;
}

namespace app::ui {

// The program's application object. An exception that escapes a slot or an
// event handler would end the program and lose what the user was doing: it
// is caught here, shown as an "Error N" message, and the program goes on.
class Aplicacion : public QApplication {
public:
    Aplicacion(int& argc, char** argv);
    // Where the messages go; until set, to the standard error.
    void fijarDialogos(core::ui::Dialogos& dialogos) { dialogos_ = &dialogos; }

    bool notify(QObject* receptor, QEvent* evento) override;

private:
    core::ui::Dialogos* dialogos_ = nullptr;
};

} // namespace app::ui
