// The program's own application object, in a test program of its own: a
// process holds one application only.
#include "app/ui/aplicacion.h"
#include "core/error.h"
#include "tests/apoyo/dialogos_guionados.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(Aplicacion, UnaExcepcionQueEscapaDeUnManejadorSeMuestraYElProgramaSigue) {
    int argc = 1;
    char nombre[] = "pruebas";
    char* argv[] = {nombre, nullptr};
    app::ui::Aplicacion aplicacion(argc, argv);
    prueba::DialogosGuionados dialogos;
    aplicacion.fijarDialogos(dialogos);

    QTimer::singleShot(0, [] { throw core::Error(core::Error::ErrorIsis, "falla del manejador"); });
    QTimer::singleShot(0, [] { (void)std::stoi("no es un número"); });
    QTimer::singleShot(0, [] { throw 7; });
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }

    ASSERT_EQ(dialogos.mensajes.size(), 3u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Error " + std::to_string(core::Error::ErrorIsis));
    EXPECT_EQ(dialogos.mensajes[0].texto, "falla del manejador");
    for (const std::size_t i : {1u, 2u}) {
        EXPECT_EQ(dialogos.mensajes[i].titulo,
                  "Error " + std::to_string(core::Error::ErrorInterno));
        EXPECT_EQ(dialogos.mensajes[i].texto, core::Error::interno().descripcion());
        EXPECT_EQ(dialogos.mensajes[i].icono, core::ui::Dialogos::Icono::Informacion);
    }
    // The program went on: the next event was handled.
    EXPECT_TRUE(atendido);
}

} // namespace
