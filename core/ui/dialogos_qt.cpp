#include "core/ui/dialogos_qt.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace core::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QMessageBox::Icon iconoQt(Dialogos::Icono icono) {
    switch (icono) {
    case Dialogos::Icono::Informacion:
        return QMessageBox::Information;
    case Dialogos::Icono::Pregunta:
        return QMessageBox::Question;
    case Dialogos::Icono::Exclamacion:
        return QMessageBox::Warning;
    case Dialogos::Icono::Critico:
        return QMessageBox::Critical;
    case Dialogos::Icono::Ninguno:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString filtroQt(const std::string& filtro) {
    const QStringList partes = q(filtro).split('|');
    QStringList opciones;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        QStringList patrones;
        for (const QString& p : partes[i + 1].split(';', Qt::SkipEmptyParts)) {
            if (p == "*.*") {
                patrones << "*";
                continue;
            }
            patrones << p;
            if (p.toUpper() != p) {
                patrones << p.toUpper();
            }
        }
        opciones << partes[i] + " (" + patrones.join(' ') + ")";
    }
    return opciones.join(";;");
}

Dialogos::Respuesta DialogosQt::mensaje(const std::string& texto, const std::string& titulo,
                                        Botones botones, Icono icono) {
    QMessageBox caja(
        iconoQt(icono), titulo.empty() ? QCoreApplication::applicationName() : q(titulo), q(texto),
        botones == Botones::SiNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, padre_);
    const int r = caja.exec();
    if (botones == Botones::SiNo) {
        return r == QMessageBox::Yes ? Respuesta::Si : Respuesta::No;
    }
    return Respuesta::Aceptar;
}

std::optional<std::string> DialogosQt::entrada(const std::string& pregunta,
                                               const std::string& titulo,
                                               const std::string& porDefecto) {
    bool aceptado = false;
    const QString r = QInputDialog::getText(padre_, q(titulo), q(pregunta), QLineEdit::Normal,
                                            q(porDefecto), &aceptado);
    if (!aceptado) {
        return std::nullopt;
    }
    return r.toStdString();
}

std::string DialogosQt::abrirArchivo(const std::string& titulo, const std::string& filtro,
                                     const std::string& inicial) {
    return QFileDialog::getOpenFileName(padre_, q(titulo), q(inicial), filtroQt(filtro))
        .toStdString();
}

bool DialogosQt::elegirImpresora(QPrinter& impresora) {
    QPrintDialog dialogo(&impresora, padre_);
    return dialogo.exec() == QDialog::Accepted;
}

} // namespace core::ui
