#include "app/ui/aplicacion.h"

#include "core/error.h"
#include "core/ui/mostrar_error.h"

#include <exception>
#include <iostream>
#include <optional>

namespace app::ui {

namespace {

// An exception the program did not expect; what it says (in English, for
// the developer) goes to the standard error, the user gets the number.
core::Error errorInterno(const char* detalle) {
    std::cerr << "Excepción inesperada: " << detalle << "\n";
    return core::Error::interno();
}

} // namespace

Aplicacion::Aplicacion(int& argc, char** argv) : QApplication(argc, argv) {}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    std::optional<core::Error> error;
    try {
        return QApplication::notify(receptor, evento);
    } catch (const core::Error& e) {
        error = e;
    } catch (const std::exception& e) {
        error = errorInterno(e.what());
    } catch (...) {
        error = errorInterno("de tipo desconocido");
    }
    if (dialogos_ != nullptr) {
        core::ui::mostrarError(*dialogos_, *error, core::ui::EstiloError::TituloError);
    } else {
        std::cerr << "Error " << error->numero() << ": " << error->descripcion() << "\n";
    }
    return false;
}

} // namespace app::ui
