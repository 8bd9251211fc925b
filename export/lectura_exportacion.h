#pragma once

#include <optional>
#include <string>
#include <vector>

class QDomNodeList;

namespace core::ui {
class Dialogos;
}

namespace exportacion {

// A text node of a loaded export: the name of its element and its text.
struct NodoTexto {
    std::string elemento;
    std::string valor;
};

// Walks the node list depth first and collects every text node.
void RecorrerNodos(const QDomNodeList& nodos, std::vector<NodoTexto>& textos);

// The "leer" command: loads exp.xml from the application folder. A missing or
// malformed file shows "Ha ocurrido un error." with a CR and the text of the
// line where parsing failed, and gives nullopt.
std::optional<std::vector<NodoTexto>> LeerExportacion(const std::string& carpeta,
                                                      core::ui::Dialogos& dialogos);

} // namespace exportacion
