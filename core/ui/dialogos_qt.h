#pragma once

#include "core/ui/dialogos.h"

#include <QString>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace core::ui {

// The real dialogs, shown over a parent window.
class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(QWidget* padre = nullptr) : padre_(padre) {}
    void fijarPadre(QWidget* padre) { padre_ = padre; }

    Respuesta mensaje(const std::string& texto, const std::string& titulo, Botones botones,
                      Icono icono) override;
    std::optional<std::string> entrada(const std::string& pregunta, const std::string& titulo,
                                       const std::string& porDefecto) override;
    std::string abrirArchivo(const std::string& titulo, const std::string& filtro,
                             const std::string& inicial) override;
    bool elegirImpresora(QPrinter& impresora) override;
    std::string guardarArchivo(const std::string& titulo, const std::string& filtro,
                               const std::string& inicial) override;
    void vistaPrevia(QPrinter& impresora, const std::function<void(QPrinter&)>& pintar) override;

private:
    QWidget* padre_;
};

// A message box as the program shows it: a question defaults to No, and the
// box is wide enough for its title.
void prepararMensaje(QMessageBox& caja);
// The open-file dialog as the program shows it: Qt's own, in Spanish, its
// dates written as the program writes them.
void prepararDialogoArchivo(QFileDialog& dialogo);

// "Desc|*.mst|Desc|*.*" as a Qt file-dialog filter; on Linux a lower-case
// extension pattern also shows its upper-case files.
QString filtroQt(const std::string& filtro);

} // namespace core::ui
