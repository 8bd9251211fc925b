#pragma once

#include <functional>
#include <optional>
#include <string>

class QPrinter;

namespace core::ui {

// Every message box, input box, file and printer dialog of the program goes
// through this interface, so tests can answer them.
class Dialogos {
public:
    enum class Icono { Ninguno, Informacion, Pregunta, Exclamacion, Critico };
    enum class Botones { Aceptar, SiNo };
    enum class Respuesta { Aceptar, Si, No };

    virtual ~Dialogos() = default;

    // An empty title means the program's default title.
    virtual Respuesta mensaje(const std::string& texto, const std::string& titulo = {},
                              Botones botones = Botones::Aceptar, Icono icono = Icono::Ninguno) = 0;
    // nullopt when the user cancels.
    virtual std::optional<std::string> entrada(const std::string& pregunta,
                                               const std::string& titulo,
                                               const std::string& porDefecto) = 0;
    // The chosen path, or empty when the user cancels. The filter is written
    // "Description|pattern|Description|pattern".
    virtual std::string abrirArchivo(const std::string& titulo, const std::string& filtro,
                                     const std::string& inicial) = 0;
    // True when the user chose a printer and accepted; the printer is then set up.
    virtual bool elegirImpresora(QPrinter& impresora) = 0;
    // The path to save to, or empty when the user cancels; `inicial` is the
    // suggested file. Cancels unless an implementation shows a dialog.
    virtual std::string guardarArchivo(const std::string& /*titulo*/, const std::string& /*filtro*/,
                                       const std::string& /*inicial*/) {
        return {};
    }
    // Shows the pages `pintar` draws on a printer in a print preview (zoom,
    // page by page), from where the user may print them. Shows nothing unless
    // an implementation does.
    virtual void vistaPrevia(QPrinter& /*impresora*/,
                             const std::function<void(QPrinter&)>& /*pintar*/) {}
};

} // namespace core::ui
