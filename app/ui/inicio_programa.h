#pragma once

#include <optional>
#include <string>

class QApplication;

namespace app::ui {

// What the program sets once its application object exists, before any
// window: its name and menu entry, its icon as every window's, and Spanish
// for its own texts, its dates and Qt's dialogs whatever the session's
// locale. Returns whether Qt's Spanish translations were found.
bool prepararPrograma(QApplication& app);

// The application folder asked for on the command line: "--carpeta DIR"
// among the words Qt left, or nothing.
std::optional<std::string> opcionCarpeta(const QApplication& app);

} // namespace app::ui
