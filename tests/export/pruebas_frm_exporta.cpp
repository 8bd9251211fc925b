#include "export/ui/frm_exporta.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/export/exportacion_prueba.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>

namespace {

class FrmExporta : public prueba::ExportacionPrueba {
protected:
    template <typename W> W* control(const char* nombre) {
        auto* w = ventana.findChild<W*>(nombre);
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }
    QApplication& app = prueba::aplicacion();
    exportacion::ui::frm_exporta ventana{ctx, dialogos};
};

TEST_F(FrmExporta, AbreConHoyYHoyMenosTreintaDiasSinCasillas) {
    EXPECT_EQ(ventana.windowTitle(), "Exportacion");
    EXPECT_EQ(control<QGroupBox>("Frame2")->title(), "Fecha");
    EXPECT_EQ(control<QDateEdit>("DTP_hasta")->date(), QDate(2024, 3, 15));
    EXPECT_EQ(control<QDateEdit>("DTP_desde")->date(), QDate(2024, 2, 14));
    EXPECT_TRUE(control<QDateEdit>("DTP_desde")->calendarPopup());
    for (const char* casilla : {"chk_desde", "chk_hasta"}) {
        EXPECT_FALSE(control<QCheckBox>(casilla)->isChecked());
    }
    EXPECT_FALSE(control<QDateEdit>("DTP_desde")->isEnabled());
    control<QCheckBox>("chk_desde")->click();
    EXPECT_TRUE(control<QDateEdit>("DTP_desde")->isEnabled());
    EXPECT_FALSE(control<QDateEdit>("DTP_hasta")->isEnabled());
    control<QCheckBox>("chk_desde")->click();
    EXPECT_FALSE(control<QDateEdit>("DTP_desde")->isEnabled());
    EXPECT_EQ(control<QPushButton>("cmd_exportar")->text(), "Exportar");
    EXPECT_EQ(control<QPushButton>("cmd_cancelar")->text(), "Cancelar");
}

TEST_F(FrmExporta, ExportarUsaLasFechasMarcadasYQuedaAbierto) {
    prueba::agregarPresta(ctx, {{"titulo", "Dentro"}, {"fecha_presta", "20240110"}});
    prueba::agregarPresta(ctx, {{"titulo", "Fuera"}, {"fecha_presta", "20240210"}});
    ventana.show();
    control<QCheckBox>("chk_desde")->click();
    control<QDateEdit>("DTP_desde")->setDate(QDate(2024, 1, 1));
    control<QCheckBox>("chk_hasta")->click();
    control<QDateEdit>("DTP_hasta")->setDate(QDate(2024, 1, 31));
    control<QPushButton>("cmd_exportar")->click();

    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Archivo exportado exitosamente");
    EXPECT_NE(ctx.TextoSql.find(" fecha_presta >= '20240101'  AND  fecha_presta <= '20240131' "),
              std::string::npos);
    const std::string archivo = carpeta.leer("exportaciones/exp - 20240315.xml");
    EXPECT_NE(archivo.find("<Periodo>20240101-20240131</Periodo>"), std::string::npos);
    EXPECT_NE(archivo.find("<Prestados>1</Prestados>"), std::string::npos);
    EXPECT_TRUE(ventana.isVisible());
}

TEST_F(FrmExporta, SoloHastaEscribeDesde19000101) {
    control<QCheckBox>("chk_hasta")->click();
    control<QPushButton>("cmd_exportar")->click();
    EXPECT_NE(carpeta.leer("exportaciones/exp - 20240315.xml")
                  .find("<Periodo>19000101-20240315</Periodo>"),
              std::string::npos);
}

} // namespace
