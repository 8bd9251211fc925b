#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace app::ui {

// Where the three ISIS databases are: block "LINK" of the settings, read when
// the dialog opens and written whole on "Grabar". Each path has its box
// (txt_presta, txt_usua, txt_marc) and its "..." button that browses for it.
class frm_configPath : public QWidget {
    Q_OBJECT
public:
    frm_configPath(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);

    // Shows `texto` above the paths (lbl_explicacion), for a start-up that
    // lands here: what to do first, or which path failed.
    void explicar(const QString& texto);

protected:
    void changeEvent(QEvent* evento) override;

private:
    QLabel* lbl_explicacion_ = nullptr;
    QLineEdit* txt_presta;
    QLineEdit* txt_usua;
    QLineEdit* txt_marc;
    QPushButton* cmd_busca_prestamos;
    QPushButton* cmd_busca_usuarios;
    QPushButton* cmd_busca_biblio;
    QPushButton* cmd_grabar;
    QPushButton* cmd_cancelar;

    QPushButton* fila(int numero, const char* etiqueta, QLineEdit* caja, const char* boton,
                      const char* tituloBusqueda);
    void cmd_grabar_Click();
    void cerrar();
    void ajustarTamano();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
};

} // namespace app::ui
