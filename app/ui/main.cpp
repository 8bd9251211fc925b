#include "app/ui/aplicacion.h"
#include "app/ui/arranque.h"
#include "app/ui/frm_principal.h"
#include "app/ui/inicio_programa.h"
#include "core/carpetas.h"
#include "core/error.h"
#include "core/reloj.h"
#include "core/ui/dialogos_qt.h"
#include "core/ui/mostrar_error.h"

int main(int argc, char** argv) {
    app::ui::Aplicacion app(argc, argv);
    app::ui::prepararPrograma(app);
    core::ui::DialogosQt dialogos;
    std::optional<core::Carpetas> carpetas;
    try {
        carpetas = core::carpetasDelPrograma(app::ui::opcionCarpeta(app));
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos, e, core::ui::EstiloError::TituloError);
        return 1;
    }

    core::Reloj reloj;
    app::ui::Arranque arranque(*carpetas, reloj, dialogos);
    QObject::connect(&arranque, &app::ui::Arranque::salidaPedida, &app, &QCoreApplication::exit);
    dialogos.fijarPadre(&arranque.principal());
    app.fijarDialogos(dialogos);
    arranque.iniciar();
    return QApplication::exec();
}
