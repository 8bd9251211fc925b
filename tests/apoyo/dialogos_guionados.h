#pragma once

#include "core/ui/dialogos.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace prueba {

// A Dialogos that answers from a script and records what it was asked.
class DialogosGuionados : public core::ui::Dialogos {
public:
    struct Mensaje {
        std::string texto;
        std::string titulo;
        Botones botones;
        Icono icono;
    };
    struct Entrada {
        std::string pregunta;
        std::string titulo;
        std::string porDefecto;
    };
    struct Apertura {
        std::string titulo;
        std::string filtro;
        std::string inicial;
    };

    // Answers given in order; when a queue is empty: Aceptar / Si for
    // messages, cancel for input and file dialogs, cancel for the printer.
    std::deque<Respuesta> respuestas;
    std::deque<std::optional<std::string>> entradas;
    std::deque<std::string> archivos;
    // Answers of the save-file dialog, in order; empty queue cancels.
    std::deque<std::string> guardados;
    // Called for the printer dialog; returns whether the user accepted.
    std::function<bool(QPrinter&)> impresora;
    // Called with each message while it is up, to see what the program
    // shows around it.
    std::function<void(const Mensaje&)> alMostrar;

    std::vector<Mensaje> mensajes;
    std::vector<Entrada> preguntas;
    std::vector<Apertura> aperturas;
    std::vector<Apertura> guardadosPedidos;
    // Called with the printer a preview would paint on; unset, the preview
    // paints nothing and closes.
    std::function<void(QPrinter&, const std::function<void(QPrinter&)>&)> vista;
    int vistasPedidas = 0;
    int impresionesPedidas = 0;

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
};

} // namespace prueba
