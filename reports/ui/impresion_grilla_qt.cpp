#include "reports/ui/impresion_grilla_qt.h"

#include "reports/avisos_devolucion.h"
#include "reports/impresion_grilla.h"
#include "reports/papel/pintar_paginas.h"

#include <QPrinter>

namespace reports::ui {

void ImprimirAvisos(QPrinter& impresora, const std::vector<informes::AvisoDevolucion>& avisos,
                    const std::string& cue, core::Fecha hoy) {
    impresora.setPageOrientation(QPageLayout::Portrait);
    const QFont fuente = papel::FuenteVerdana(9);
    const papel::MedidorQt medidor(fuente);
    const Hoja hoja = papel::HojaDe(impresora);
    papel::DibujarPaginas(
        impresora, informes::ImprimirAvisos(medidor, avisos, cue, hoy, hoja.ancho, hoja.alto),
        fuente, medidor);
}

} // namespace reports::ui
