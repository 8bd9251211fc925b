#include "reports/papel/pdf.h"

#include "core/descripcion_error.h"
#include "core/error.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>

#include <cerrno>
#include <filesystem>

namespace reports::papel {

namespace {

// PDF pages at this resolution: fine enough for charts and small text.
constexpr int PuntosPorPulgada = 600;
constexpr double MargenMilimetros = 10;

[[noreturn]] void fallo(const std::string& ruta, const QString& motivo) {
    throw core::Error(core::Error::ErrorArchivo,
                      "No se pudo escribir " + ruta + ": " + motivo.toStdString());
}

} // namespace

void EscribirPdf(const std::string& ruta, const std::string& titulo,
                 const std::function<void(QPagedPaintDevice&)>& pintar) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        throw core::Error(core::Error::ErrorArchivo,
                          "No se puede escribir un PDF sin las fuentes del sistema");
    }
    const std::string temporal = ruta + ".nuevo";
    {
        QFile archivo(QString::fromStdString(temporal));
        if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            fallo(ruta, QString::fromStdString(core::descripcionDelSistema(errno)));
        }
        try {
            QPdfWriter escritor(&archivo);
            escritor.setResolution(PuntosPorPulgada);
            escritor.setTitle(QString::fromStdString(titulo));
            escritor.setCreator("Estadísticas de préstamos");
            escritor.setPageSize(QPageSize(QPageSize::A4));
            escritor.setPageMargins(
                QMarginsF(MargenMilimetros, MargenMilimetros, MargenMilimetros, MargenMilimetros),
                QPageLayout::Millimeter);
            pintar(escritor);
        } catch (...) {
            archivo.remove();
            throw;
        }
        if (!archivo.flush() || archivo.error() != QFileDevice::NoError) {
            archivo.remove();
            fallo(ruta, "no se pudo completar el archivo (¿disco lleno?)");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporal, ruta, error);
    if (error) {
        const int numero = error.value();
        std::filesystem::remove(temporal, error);
        fallo(ruta, QString::fromStdString(core::descripcionDelSistema(numero)));
    }
}

} // namespace reports::papel
