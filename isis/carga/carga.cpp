#include "isis/carga/carga.h"

#include "core/archivo_ini.h"
#include "core/reloj.h"
#include "isis/carga/escritura_carga.h"
#include "isis/carga/lectura_isis.h"
#include "isis/carga/progreso_carga.h"
#include "isis/modulo_isis.h"
#include "store/almacen.h"
#include "store/contexto.h"

namespace carga {

namespace {

// The run itself; it sets the outcome in `resultado` (Exito until then).
void Ejecutar(store::Contexto& ctx, isis::ModuloIsis& isis, ProgresoCarga& progreso,
              ResultadoCarga& resultado) {
    const core::Archivo_Ini& ini = *ctx.ArchivoIni;
    for (const std::string* ruta : {&ini.RutaPresta, &ini.RutaUsua, &ini.RutaMarc}) {
        if (!store::ExisteArchivo(*ruta)) {
            resultado.tipo = ResultadoCarga::Tipo::FaltaRuta;
            return;
        }
    }
    const DatosCarga datos = LeerDatosCarga(isis, {ini.RutaPresta, ini.RutaUsua, ini.RutaMarc},
                                            core::textoAAAAMMDD(ctx.reloj.hoy()), progreso);
    try {
        if (auto reparada = store::AbrirBaseDatos(ctx)) {
            resultado.avisos.push_back(std::move(*reparada));
        }
    } catch (const core::Error& e) {
        resultado.tipo = ResultadoCarga::Tipo::SinAlmacen;
        resultado.error = e;
        return;
    }
    const int antesDeEscribir = progreso.valor();
    try {
        EscribirCarga(ctx, datos, progreso);
    } catch (const core::Error&) {
        // A store found damaged while it is written is kept aside, and the
        // rows go into a new one.
        if (!ctx.Conexion || !ctx.Conexion->danada()) {
            throw;
        }
        resultado.avisos.push_back(store::RepararBaseDatos(ctx));
        progreso.valor(antesDeEscribir);
        EscribirCarga(ctx, datos, progreso);
    }
    // The ranking's base always matches what presta holds.
    ctx.TotalPrestamos = static_cast<std::int32_t>(datos.prestamos.size());
    resultado.filas = static_cast<int>(datos.prestamos.size());
}

} // namespace

ResultadoCarga CargarDatos(store::Contexto& ctx, const AvisoCarga& aviso) {
    ProgresoCarga progreso(aviso);
    isis::ModuloIsis isis;
    ResultadoCarga resultado;
    try {
        progreso.valor(0);
        ctx.ArchivoIni = std::make_unique<core::Archivo_Ini>(ctx.carpetaConfiguracion);
        ctx.ArchivoIni->Cargar("LINK");
        Ejecutar(ctx, isis, progreso, resultado);
    } catch (const core::Error& e) {
        // A path that cannot be split or that the system cannot find is a
        // missing path; anything else is reported as it is.
        const bool rutaInvalida = e.numero() == core::Error::ArgumentoInvalido ||
                                  e.numero() == core::Error::RutaNoEncontrada;
        resultado.tipo =
            rutaInvalida ? ResultadoCarga::Tipo::FaltaRuta : ResultadoCarga::Tipo::Error;
        resultado.error = e;
    }
    // What the ISIS layer noted came before anything the store reported.
    resultado.avisos.insert(resultado.avisos.begin(), isis.Avisos.begin(), isis.Avisos.end());
    ctx.ArchivoIni.reset();
    return resultado;
}

} // namespace carga
