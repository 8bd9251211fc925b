#include "core/ui/dialogos_qt.h"

#include "core/ui/tamano_ventana.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
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

// The file list's date column as the program writes dates, whatever the
// session's locale says (the file system model asks the system's).
class FechasEnEspanol : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& indice, int rol) const override {
        constexpr int ColumnaFecha = 3;
        const auto* archivos = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (rol != Qt::DisplayRole || indice.column() != ColumnaFecha || archivos == nullptr) {
            return QIdentityProxyModel::data(indice, rol);
        }
        return QLocale().toString(archivos->lastModified(mapToSource(indice)), "d MMM yyyy HH:mm");
    }
};

} // namespace

void prepararMensaje(QMessageBox& caja) {
    // A question answered by Enter is answered No: nothing happens by mistake.
    if (QAbstractButton* no = caja.button(QMessageBox::No)) {
        caja.setDefaultButton(QMessageBox::No);
        caja.setEscapeButton(no);
    }
    // Wide enough for its title: the box sizes itself to its text alone.
    if (auto* rejilla = qobject_cast<QGridLayout*>(caja.layout())) {
        rejilla->addItem(new QSpacerItem(anchoParaTitulo(caja), 0, QSizePolicy::Minimum),
                         rejilla->rowCount(), 0, 1, rejilla->columnCount());
    }
}

void prepararDialogoArchivo(QFileDialog& dialogo) {
    // Qt's own dialog, in Spanish like the rest of the program; a desktop's
    // native one would follow the session's language instead.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setProxyModel(new FechasEnEspanol(&dialogo));
    // Room for the size, type and date columns whole.
    dialogo.resize(dialogo.sizeHint().expandedTo(QSize(820, 480)));
}

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
    prepararMensaje(caja);
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
    QFileDialog dialogo(padre_, q(titulo), q(inicial), filtroQt(filtro));
    prepararDialogoArchivo(dialogo);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().front().toStdString();
}

bool DialogosQt::elegirImpresora(QPrinter& impresora) {
    QPrintDialog dialogo(&impresora, padre_);
    return dialogo.exec() == QDialog::Accepted;
}

std::string DialogosQt::guardarArchivo(const std::string& titulo, const std::string& filtro,
                                       const std::string& inicial) {
    QFileDialog dialogo(padre_, q(titulo), q(inicial), filtroQt(filtro));
    prepararDialogoArchivo(dialogo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    // Asks before replacing a file; a name typed without the extension gets it.
    const QString extension = QFileInfo(q(inicial)).suffix();
    if (!extension.isEmpty()) {
        dialogo.setDefaultSuffix(extension);
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().front().toStdString();
}

void DialogosQt::vistaPrevia(QPrinter& impresora, const std::function<void(QPrinter&)>& pintar) {
    QPrintPreviewDialog dialogo(&impresora, padre_);
    dialogo.setWindowTitle("Vista previa");
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                     [&pintar](QPrinter* destino) { pintar(*destino); });
    dialogo.resize(dialogo.screen()->availableGeometry().size() * 3 / 4);
    dialogo.exec();
}

} // namespace core::ui
