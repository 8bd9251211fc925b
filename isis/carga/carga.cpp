#include "isis/carga/carga.h"

#include "core/archivo_ini.h"
#include "core/reloj.h"
#include "isis/carga/escritura_presta.h"
#include "isis/carga/lectura_isis.h"
#include "isis/carga/progreso_carga.h"
#include "isis/modulo_isis.h"
#include "store/almacen.h"
#include "store/contexto.h"

namespace carga {

namespace {

ResultadoCarga Ejecutar(store::Contexto& ctx, ProgresoCarga& progreso) {
    const core::Archivo_Ini& ini = *ctx.ArchivoIni;
    for (const std::string* ruta : {&ini.RutaPresta, &ini.RutaUsua, &ini.RutaMarc}) {
        if (!store::ExisteArchivo(*ruta)) {
            return {ResultadoCarga::Tipo::FaltaRuta, 0, std::nullopt};
        }
    }
    isis::ModuloIsis isis(ctx.dialogos);
    const TablaCarga tabla = LeerTablaCarga(isis, {ini.RutaPresta, ini.RutaUsua, ini.RutaMarc},
                                            core::textoAAAAMMDD(ctx.reloj.hoy()), progreso);
    if (!store::AbrirBaseDatos(ctx)) {
        return {ResultadoCarga::Tipo::SinAlmacen, 0, std::nullopt};
    }
    EscribirPresta(ctx, tabla, progreso);
    // The ranking's base always matches what presta holds.
    ctx.TotalPrestamos = static_cast<std::int32_t>(tabla.size());
    return {ResultadoCarga::Tipo::Exito, static_cast<int>(tabla.size()), std::nullopt};
}

} // namespace

ResultadoCarga CargarDatos(store::Contexto& ctx, const AvisoCarga& aviso) {
    ProgresoCarga progreso(aviso);
    ResultadoCarga resultado;
    try {
        progreso.valor(0);
        ctx.ArchivoIni = std::make_unique<core::Archivo_Ini>(ctx.carpeta);
        ctx.ArchivoIni->Cargar("LINK");
        resultado = Ejecutar(ctx, progreso);
    } catch (const core::Error& e) {
        // A path that cannot be split or that the system cannot find is a
        // missing path; anything else is reported as it is.
        const bool rutaInvalida =
            e.numero() == core::Error::ArgumentoInvalido || e.numero() == core::Error::RutaNoEncontrada;
        resultado.tipo =
            rutaInvalida ? ResultadoCarga::Tipo::FaltaRuta : ResultadoCarga::Tipo::Error;
        resultado.error = e;
    }
    ctx.ArchivoIni.reset();
    return resultado;
}

} // namespace carga
