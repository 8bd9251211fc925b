#pragma once

#include <optional>
#include <string>

class QUrl;

namespace core::ui {
class Dialogos;
}

namespace app::ui {

// Opens a document in the desktop's browser. The program uses
// `NavegadorEscritorio`; tests answer with their own.
class Navegador {
public:
    virtual ~Navegador() = default;
    // False when the desktop has nothing that can show the document.
    virtual bool abrir(const QUrl& direccion) = 0;
};

class NavegadorEscritorio : public Navegador {
public:
    bool abrir(const QUrl& direccion) override;
};

// "Archivo de ayuda": asks for the help command line and stores it in block
// "HELPFILE"; an empty answer or Cancel keeps the old one.
void archivoDeAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos);

// "Ayuda": starts the stored help command without waiting for it. With no
// command stored it opens the manual's index page (`indiceManual`) in the
// browser. A command that cannot start, a manual that is not installed or a
// browser that cannot be started is reported with its number as the title.
void ejecutarAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos, Navegador& navegador,
                   const std::optional<std::string>& indiceManual);

} // namespace app::ui
