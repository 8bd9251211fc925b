#include "packaging/icono/icono_programa.h"
#include "tests/apoyo/aplicacion_qt.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace {

// The sizes desktops ask for in menus, panels and window frames.
const QList<QSize> TamanosEsperados{QSize(16, 16), QSize(32, 32),   QSize(48, 48),
                                    QSize(64, 64), QSize(128, 128), QSize(256, 256)};

} // namespace

TEST(IconoPrograma, TraeElDibujoEnCadaTamanoDeLosMenus) {
    prueba::aplicacion();
    const QIcon icono = icono::iconoPrograma();
    ASSERT_FALSE(icono.isNull());
    EXPECT_EQ(icono.availableSizes(), TamanosEsperados);
}

// A tile with rounded corners: the corners stay transparent and the middle is
// painted, at every size, so a blank or shifted drawing shows up here.
TEST(IconoPrograma, CadaTamanoEsElDibujoEnteroYNoUnCuadroVacio) {
    prueba::aplicacion();
    const QIcon icono = icono::iconoPrograma();
    for (const QSize& tamano : TamanosEsperados) {
        SCOPED_TRACE(tamano.width());
        const QImage imagen = icono.pixmap(tamano).toImage();
        ASSERT_EQ(imagen.size(), tamano);
        const int ultimo = tamano.width() - 1;
        for (const QPoint esquina :
             {QPoint(0, 0), QPoint(ultimo, 0), QPoint(0, ultimo), QPoint(ultimo, ultimo)}) {
            EXPECT_EQ(qAlpha(imagen.pixel(esquina)), 0);
        }
        EXPECT_EQ(qAlpha(imagen.pixel(tamano.width() / 2, tamano.height() / 2)), 255);
    }
}

TEST(IconoPrograma, SeDibujaEnCualquierTamanoPedido) {
    const QImage imagen = icono::renderizar(100);
    ASSERT_FALSE(imagen.isNull());
    EXPECT_EQ(imagen.size(), QSize(100, 100));
    EXPECT_TRUE(imagen.hasAlphaChannel());
}
