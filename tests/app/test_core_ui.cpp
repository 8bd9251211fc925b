#include "core/error.h"
#include "core/twips.h"
#include "core/ui/cursor_ocupado.h"
#include "core/ui/disposicion.h"
#include "tests/apoyo/aplicacion_qt.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using core::ui::Crecimiento;
using core::ui::Rectangulo;

bool cursorOcupado() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

struct CursorOcupado : ::testing::Test {
    void SetUp() override {
        prueba::aplicacion();
        ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
};

// A window with a frame holding a label, and a text box beside the frame.
struct Ventana : ::testing::Test {
    QApplication& app = prueba::aplicacion();
    QWidget ventana;
    QGroupBox* marco = new QGroupBox("Marco", &ventana);
    QLabel* etiqueta = new QLabel("Etiqueta", marco);
    QTextEdit* texto = new QTextEdit(&ventana);

    void SetUp() override {
        marco->setObjectName("marco");
        etiqueta->setObjectName("lbl_etiqueta");
        texto->setObjectName("txt_texto");
    }
    std::vector<core::ui::Ubicacion> tabla() const {
        return {{"marco", {120, 120, 3000, 1000}},
                {"lbl_etiqueta", {60, 240, 900, 300}},
                {"txt_texto",
                 {120, 1200, 5000, 2000},
                 Crecimiento{6000, 5000, 1000},
                 Crecimiento{4000, 2000, 2000}}};
    }
    QRect px(const Rectangulo& r) const {
        const double x = ventana.logicalDpiX();
        const double y = ventana.logicalDpiY();
        return {core::twips::aPixeles(r.izquierda, x), core::twips::aPixeles(r.arriba, y),
                core::twips::aPixeles(r.ancho, x), core::twips::aPixeles(r.alto, y)};
    }
    // Sizes a whole number of pixels at the offscreen 96 dpi (15 twips each),
    // so the window reads back the twips it was given.
    void redimensionar(int ancho, int alto) {
        ventana.resize(core::twips::aPixeles(ancho, ventana.logicalDpiX()),
                       core::twips::aPixeles(alto, ventana.logicalDpiY()));
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(CursorOcupado, MientrasViveElGuardiaYAunqueSalgaUnError) {
    {
        const core::ui::CursorOcupado ocupado;
        EXPECT_TRUE(cursorOcupado());
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        const core::ui::CursorOcupado ocupado;
        throw core::Error(core::Error::ErrorBaseDatos, "rechazada");
    } catch (const core::Error&) {
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(CursorOcupado, GuardiasAnidadosDevuelvenElPunteroAnterior) {
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    {
        const core::ui::CursorOcupado afuera;
        {
            const core::ui::CursorOcupado adentro;
            EXPECT_TRUE(cursorOcupado());
        }
        EXPECT_TRUE(cursorOcupado());
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Ventana, ColocaCadaControlRelativoASuPadre) {
    new core::ui::Disposicion(ventana, tabla());
    EXPECT_EQ(marco->geometry(), px({120, 120, 3000, 1000}));
    EXPECT_EQ(etiqueta->geometry(), px({60, 240, 900, 300}));
    // As designed until the window is first resized.
    EXPECT_EQ(texto->geometry(), px({120, 1200, 5000, 2000}));
}

TEST_F(Ventana, CadaRedimensionAplicaLasReglas) {
    new core::ui::Disposicion(ventana, tabla());
    ventana.show();
    redimensionar(9000, 7200);
    EXPECT_EQ(texto->geometry(), px({120, 1200, 8000, 5200}));
    EXPECT_EQ(marco->geometry(), px({120, 120, 3000, 1000}));
    redimensionar(4050, 3000);
    EXPECT_EQ(texto->geometry(), px({120, 1200, 5000, 2000}));
    EXPECT_EQ(etiqueta->geometry(), px({60, 240, 900, 300}));
}

TEST_F(Ventana, UnControlAgregadoDespuesTambienSigue) {
    auto* disposicion = new core::ui::Disposicion(ventana, {tabla()[0]});
    disposicion->agregar(tabla()[2]);
    EXPECT_EQ(texto->geometry(), px({120, 1200, 5000, 2000}));
    ventana.show();
    redimensionar(7050, 5100);
    EXPECT_EQ(texto->geometry(), px({120, 1200, 6050, 3100}));
}

TEST_F(Ventana, UnNombreQueNoEsDeUnSoloControlEsElError91) {
    for (QWidget* padre : {static_cast<QWidget*>(marco), &ventana}) {
        new QLabel("doble", padre);
    }
    for (QLabel* l : ventana.findChildren<QLabel*>()) {
        if (l->text() == "doble") {
            l->setObjectName("lbl_doble");
        }
    }
    for (const char* nombre : {"txt_txto", "lbl_doble"}) {
        try {
            core::ui::Disposicion disposicion(ventana, {{nombre, {0, 0, 10, 10}}});
            ADD_FAILURE() << nombre;
        } catch (const core::Error& e) {
            EXPECT_EQ(e.numero(), core::Error::ObjetoNoEstablecido);
            EXPECT_NE(e.descripcion().find(nombre), std::string::npos) << e.descripcion();
        }
    }
}
