#include "core/ui/selector_fecha.h"
#include "tests/apoyo/aplicacion_qt.h"
#include "tests/apoyo/entorno.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QWidget>

#include <gtest/gtest.h>

TEST(SelectorFecha, LasFechasPasanIntactasDeUnLadoAlOtro) {
    for (const core::Fecha f :
         {prueba::dia(2024, 2, 29), prueba::dia(1900, 1, 1), prueba::dia(2025, 12, 31)}) {
        const QDate q = core::ui::aQDate(f);
        EXPECT_EQ(q.year(), static_cast<int>(f.year()));
        EXPECT_EQ(q.month(), static_cast<int>(static_cast<unsigned>(f.month())));
        EXPECT_EQ(q.day(), static_cast<int>(static_cast<unsigned>(f.day())));
        EXPECT_TRUE(core::ui::desdeQDate(q) == f);
    }
    EXPECT_TRUE(core::ui::desdeQDate(QDate(2024, 3, 1)) == prueba::dia(2024, 3, 1));
}

TEST(SelectorFecha, SoloSeUsaConSuCasillaMarcada) {
    prueba::aplicacion();
    QWidget ventana;
    auto* casilla = new QCheckBox("desde", &ventana);
    QDateEdit* selector =
        core::ui::crearSelectorFecha("DTP_desde", prueba::dia(2024, 5, 10), casilla, &ventana);
    EXPECT_EQ(ventana.findChild<QDateEdit*>("DTP_desde"), selector);
    EXPECT_EQ(selector->date(), QDate(2024, 5, 10));
    EXPECT_EQ(selector->displayFormat(), "dd/MM/yyyy");
    EXPECT_TRUE(selector->calendarPopup());
    EXPECT_FALSE(selector->isEnabled());
    casilla->setChecked(true);
    EXPECT_TRUE(selector->isEnabled());
    casilla->setChecked(false);
    EXPECT_FALSE(selector->isEnabled());

    casilla->setChecked(true); // a second picker on a ticked box starts usable
    EXPECT_TRUE(
        core::ui::crearSelectorFecha("DTP_otro", prueba::dia(2024, 5, 10), casilla, &ventana)
            ->isEnabled());
}
