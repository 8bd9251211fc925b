#include "app/ui/frmAbout.h"

#include "core/ui/dialogos.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace app::ui {

const char* const frmAbout::MensajeSinInfo =
    "La información del sistema no está disponible en este momento";

QString textoVersion() {
    return QString("Versión %1.%2.%3")
        .arg(ESTAD_VERSION_MAJOR)
        .arg(ESTAD_VERSION_MINOR)
        .arg(ESTAD_VERSION_PATCH);
}

frmAbout::frmAbout(core::ui::Dialogos& dialogos, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("Acerca de Estadisticas Velmara ");
    auto* icono = new QLabel(this);
    icono->setObjectName("picIcon");
    // The program's own picture, as on its windows and in the menus.
    const QIcon programa = QApplication::windowIcon();
    icono->setPixmap(
        (programa.isNull() ? style()->standardIcon(QStyle::SP_FileDialogInfoView) : programa)
            .pixmap(48, 48));
    auto* titulo = new QLabel("Estadisticas Velmara", this);
    titulo->setObjectName("lblTitle");
    QFont grande = titulo->font();
    grande.setPointSize(grande.pointSize() + 4);
    grande.setBold(true);
    titulo->setFont(grande);
    auto* version = new QLabel(textoVersion(), this);
    version->setObjectName("lblVersion");
    auto* descripcion = new QLabel("Módulo de estadisticas para las bases de datos Velmara", this);
    descripcion->setObjectName("lblDescription");
    descripcion->setWordWrap(true);
    auto* advertencia = new QLabel("Advertencia: ...", this);
    advertencia->setObjectName("lblDisclaimer");
    auto* ok = new QPushButton("Aceptar", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* info = new QPushButton("&Info. del sistema...", this);
    info->setObjectName("cmdSysInfo");

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(icono, 0, 0, 3, 1, Qt::AlignTop);
    rejilla->addWidget(titulo, 0, 1);
    rejilla->addWidget(version, 1, 1);
    rejilla->addWidget(descripcion, 2, 1);
    rejilla->addWidget(advertencia, 3, 0, 1, 2);
    rejilla->addWidget(ok, 0, 2);
    rejilla->addWidget(info, 1, 2);

    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    // No system-information tool on this platform: straight to the message.
    connect(info, &QPushButton::clicked, this, [&dialogos] { dialogos.mensaje(MensajeSinInfo); });
}

} // namespace app::ui
