#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace app::ui {

// Edits the school code (CUE) kept in block "INICIO" of the settings: seven
// characters in txt_CUE1 and two in txt_CUE2. The province and city lists are
// offered but not stored.
class frm_configCUE : public QWidget {
    Q_OBJECT
public:
    frm_configCUE(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);

private:
    void cmb_provincia_Click(int posicion);
    void cmd_grabar_Click();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QLineEdit* txt_CUE1_;
    QLineEdit* txt_CUE2_;
    QComboBox* cmb_provincia_;
    QComboBox* cmb_ciudad_;
};

} // namespace app::ui
