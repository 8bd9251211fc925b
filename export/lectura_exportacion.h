#pragma once

#include <string>
#include <vector>

class QDomNodeList;

namespace exportacion {

// A text node of a loaded export: the name of its element and its text.
struct NodoTexto {
    std::string elemento;
    std::string valor;
};

// Walks the node list depth first and collects every text node.
void RecorrerNodos(const QDomNodeList& nodos, std::vector<NodoTexto>& textos);

// The "leer" command: loads exp.xml from the application folder and gives
// its text nodes. A missing or malformed file throws Error (ErrorXml) whose
// description is "Ha ocurrido un error.", a CR and the text of the line
// where parsing failed.
std::vector<NodoTexto> LeerExportacion(const std::string& carpeta);

} // namespace exportacion
