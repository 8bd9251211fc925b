#include "isis/carga/carga.h"

#include "core/archivo_ini.h"
#include "core/reloj.h"
#include "isis/carga/canal_carga.h"
#include "isis/carga/escritura_carga.h"
#include "isis/carga/lectura_isis.h"
#include "isis/carga/progreso_carga.h"
#include "isis/modulo_isis.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <exception>
#include <thread>

namespace carga {

namespace {

// The reading of the three databases on a thread of its own, while the
// calling thread writes what it makes final. Leaving the scope waits for it:
// the ISIS spaces and the rows outlive every use.
class LecturaEnParalelo {
public:
    LecturaEnParalelo(isis::ModuloIsis& isis, const RutasCarga& rutas, std::string hoy,
                      ProgresoCarga& progreso, DatosCarga& datos, CanalCarga& canal)
        : hilo_([&, hoy = std::move(hoy)] {
              try {
                  LeerDatosCarga(isis, rutas, hoy, progreso, datos, canal);
              } catch (...) {
                  error_ = std::current_exception();
              }
          }) {}
    ~LecturaEnParalelo() { esperar(); }
    LecturaEnParalelo(const LecturaEnParalelo&) = delete;
    LecturaEnParalelo& operator=(const LecturaEnParalelo&) = delete;

    // Waits for the reading to end; its failure, if any, is the run's: it
    // comes before anything the writing met, as the reading started first.
    void terminar() {
        esperar();
        if (error_) {
            std::rethrow_exception(error_);
        }
    }

private:
    void esperar() {
        if (hilo_.joinable()) {
            hilo_.join();
        }
    }

    std::exception_ptr error_;
    std::thread hilo_;
};

// Opens the store and writes into it; a store found damaged while it is
// written is kept aside, and the rows go into a new one. The outcome goes
// into `resultado`; errors are thrown.
void Escribir(store::Contexto& ctx, const DatosCarga& datos, CanalCarga& canal,
              ProgresoCarga& progreso, ResultadoCarga& resultado) {
    try {
        if (auto reparada = store::AbrirBaseDatos(ctx)) {
            resultado.avisos.push_back(std::move(*reparada));
        }
    } catch (const core::Error& e) {
        resultado.tipo = ResultadoCarga::Tipo::SinAlmacen;
        resultado.error = e;
        return;
    }
    PasosEscritura pasos(progreso);
    try {
        EscribirCarga(ctx, datos, canal, pasos);
    } catch (const core::Error&) {
        if (!ctx.Conexion || !ctx.Conexion->danada()) {
            throw;
        }
        resultado.avisos.push_back(store::RepararBaseDatos(ctx));
        pasos.deshacer();
        EscribirCarga(ctx, datos, canal, pasos);
    }
}

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
    const RutasCarga rutas{ini.RutaPresta, ini.RutaUsua, ini.RutaMarc};
    DatosCarga datos;
    CanalCarga canal;
    LecturaEnParalelo lectura(isis, rutas, core::textoAAAAMMDD(ctx.reloj.hoy()), progreso, datos,
                              canal);
    try {
        // The store is not touched before the three databases opened.
        canal.esperarBases();
        Escribir(ctx, datos, canal, progreso, resultado);
    } catch (const core::Error&) {
        lectura.terminar();
        throw;
    }
    lectura.terminar();
    if (resultado.tipo != ResultadoCarga::Tipo::Exito) {
        return;
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
