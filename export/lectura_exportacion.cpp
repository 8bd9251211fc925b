#include "export/lectura_exportacion.h"

#include "core/error.h"

#include <QDomDocument>
#include <QFile>

namespace exportacion {

void RecorrerNodos(const QDomNodeList& nodos, std::vector<NodoTexto>& textos) {
    for (int i = 0; i < nodos.size(); ++i) {
        const QDomNode nodo = nodos.at(i);
        if (nodo.nodeType() == QDomNode::TextNode) {
            textos.push_back(
                {nodo.parentNode().nodeName().toStdString(), nodo.nodeValue().toStdString()});
        }
        if (nodo.hasChildNodes()) {
            RecorrerNodos(nodo.childNodes(), textos);
        }
    }
}

namespace {

// The text of line `numero` (counted from 1), without its line end.
std::string lineaDe(const QByteArray& contenido, int numero) {
    const QList<QByteArray> lineas = contenido.split('\n');
    if (numero < 1 || numero > lineas.size()) {
        return {};
    }
    QByteArray linea = lineas.at(numero - 1);
    if (linea.endsWith('\r')) {
        linea.chop(1);
    }
    return linea.toStdString();
}

} // namespace

std::vector<NodoTexto> LeerExportacion(const std::string& carpeta) {
    QFile archivo(QString::fromStdString(carpeta + "/exp.xml"));
    QByteArray contenido;
    if (archivo.open(QIODevice::ReadOnly)) {
        contenido = archivo.readAll();
    }
    QDomDocument documento;
    int lineaError = 0;
    if (!archivo.isOpen() || !documento.setContent(contenido, nullptr, &lineaError)) {
        throw core::Error(core::Error::ErrorXml,
                          "Ha ocurrido un error.\r" + lineaDe(contenido, lineaError));
    }
    std::vector<NodoTexto> textos;
    RecorrerNodos(documento.childNodes(), textos);
    return textos;
}

} // namespace exportacion
