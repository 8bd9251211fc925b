// The load run as a separate program: killed, starved of disk, beside other
// programs, on damaged databases and stores. presta always holds the rows of
// one complete load, the store stays sound and every failure is a Spanish
// message that names its file.
#include "store/almacen.h"
#include "store/contexto.h"
#include "tests/proceso/apoyo_proceso.h"
#include "tests/proceso/montajes.h"
#include "tests/proceso/proceso_cli.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int Prestamos = 3000;

std::vector<std::string> cargar(const prueba::EntornoCarga& e) {
    return {"--carpeta", e.carpeta.ruta(), "cargar"};
}

// A folder whose store holds an earlier load, beside databases of a new one.
class CargaDeOtroPrograma : public ::testing::Test {
protected:
    void SetUp() override {
        bases.escribir(isis.ruta());
        apuntarBases(e);
        e.sembrarPresta(37);
        anteriores = e.presta();
    }
    void apuntarBases(prueba::EntornoCarga& entorno) const {
        entorno.fijarRutas(isis.archivo("PRESTA.MST"), isis.archivo("USUARIOS.MST"),
                           isis.archivo("MARC.MST"));
    }
    // The rows a complete load of the databases writes, from a load of its own.
    std::vector<prueba::Fila> filasNuevas() const {
        prueba::EntornoCarga otra;
        apuntarBases(otra);
        const prueba::SalidaCli s = prueba::ejecutarCli(cargar(otra));
        EXPECT_EQ(s.codigo, 0) << s.errores;
        return otra.presta();
    }
    bool esLaAnteriorOLaNueva(const std::vector<prueba::Fila>& filas,
                              const std::vector<prueba::Fila>& nuevas) const {
        return filas == anteriores || filas == nuevas;
    }

    prueba::BasesPrueba bases = prueba::basesGrandes(Prestamos);
    prueba::CarpetaTemporal isis;
    prueba::EntornoCarga e;
    std::vector<prueba::Fila> anteriores;
};

TEST_F(CargaDeOtroPrograma, MatarLaCargaEnCualquierMomentoDejaLaBaseSanaConLaCargaViejaOLaNueva) {
    const auto inicio = std::chrono::steady_clock::now();
    const std::vector<prueba::Fila> nuevas = filasNuevas();
    const auto entera = std::chrono::steady_clock::now() - inicio;
    ASSERT_EQ(nuevas.size(), static_cast<std::size_t>(Prestamos));
    const std::string diario = e.ctx.rutaBase() + "-journal";

    // Moments spread over a whole run, and the first instants of the writing.
    bool leyendo = false;
    bool escribiendo = false;
    const auto matarCuando = [&](const std::function<bool()>& momento) {
        prueba::ProcesoCli carga(cargar(e));
        while (!carga.termino() && !momento()) {
            std::this_thread::sleep_for(200us);
        }
        (fs::exists(diario) ? escribiendo : leyendo) = true;
        carga.matar();
        carga.esperar();
        EXPECT_EQ(prueba::integridad(e.ctx.rutaBase()), "ok");
        EXPECT_TRUE(esLaAnteriorOLaNueva(e.presta(), nuevas)) << e.presta().size() << " filas";
    };
    for (const double fraccion : {0.1, 0.3, 0.5, 0.65, 0.8, 0.9, 0.97}) {
        const auto hasta =
            std::chrono::steady_clock::now() +
            std::chrono::duration_cast<std::chrono::steady_clock::duration>(entera * fraccion);
        matarCuando([&] { return std::chrono::steady_clock::now() >= hasta; });
    }
    for (const auto despues : {0ms, 2ms, 10ms}) {
        std::optional<std::chrono::steady_clock::time_point> visto;
        matarCuando([&] {
            if (!visto && fs::exists(diario)) {
                visto = std::chrono::steady_clock::now();
            }
            return visto && std::chrono::steady_clock::now() >= *visto + despues;
        });
    }
    EXPECT_TRUE(leyendo);
    EXPECT_TRUE(escribiendo);
    // The store goes on working: a whole load replaces what was left.
    const prueba::SalidaCli s = prueba::ejecutarCli(cargar(e));
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(e.presta(), nuevas);
}

TEST_F(CargaDeOtroPrograma, UnDiscoQueSeLlenaDuranteLaCargaDejaLaCargaAnteriorYLoDiceEnCastellano) {
    // The application folder on a small disk that holds the earlier load and
    // little more; where mounting is not allowed, a file size limit on the
    // program fails its writes the same way.
    prueba::OpcionesCli opciones;
    const std::size_t ocupado = fs::file_size(e.ctx.rutaBase());
    const std::size_t pagina = prueba::tamanoPagina(e.ctx.rutaBase());
    prueba::EntornoCarga chico;
    const prueba::Montaje disco =
        prueba::Montaje::discoChico(chico.carpeta.ruta(), ocupado + 12 * pagina);
    prueba::EntornoCarga* destino = &e;
    if (disco.activo()) {
        apuntarBases(chico);
        chico.sembrarPresta(37);
        destino = &chico;
    } else {
        opciones.limiteArchivo = ocupado + 4 * pagina;
    }
    const auto antes = destino->presta();
    const prueba::SalidaCli s = prueba::ejecutarCli(cargar(*destino), opciones);
    EXPECT_EQ(s.codigo, 1) << s.errores;
    EXPECT_EQ(s.errores.rfind("Error ", 0), 0u) << s.errores;
    EXPECT_FALSE(prueba::hablaIngles(s.errores)) << s.errores;
    EXPECT_NE(s.errores.find(destino->ctx.rutaBase()), std::string::npos) << s.errores;
    EXPECT_EQ(prueba::integridad(destino->ctx.rutaBase()), "ok");
    EXPECT_EQ(destino->presta(), antes);
}

TEST_F(CargaDeOtroPrograma, UnaBaseDePrestamosIlegibleNoVaciaPrestaYTerminaConError) {
    std::ofstream(isis.archivo("PRESTA.XRF"), std::ios::trunc);
    const prueba::SalidaCli s = prueba::ejecutarCli(cargar(e));
    EXPECT_EQ(s.codigo, 1) << s.salida << s.errores;
    EXPECT_NE(s.errores.find(isis.archivo("PRESTA.XRF")), std::string::npos) << s.errores;
    EXPECT_EQ(e.presta(), anteriores);
}

TEST_F(CargaDeOtroPrograma, UnaBaseDeDatosDanadaSeApartaYLaCargaLlenaUnaNueva) {
    const std::string danada = "esto no es una base de datos\n" + std::string(4096, 'x');
    e.carpeta.escribir("base.mdb", danada);
    const prueba::SalidaCli s = prueba::ejecutarCli(cargar(e));
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(s.salida, std::to_string(Prestamos) + "\n");
    EXPECT_NE(s.errores.find("dañada"), std::string::npos) << s.errores;
    EXPECT_FALSE(prueba::hablaIngles(s.errores)) << s.errores;
    EXPECT_EQ(e.presta().size(), static_cast<std::size_t>(Prestamos));
    // The damaged file is kept aside, whole, under a name that says so.
    std::vector<std::string> apartadas;
    for (const auto& entrada : fs::directory_iterator(e.carpeta.ruta())) {
        const std::string nombre = entrada.path().filename().string();
        if (nombre.rfind("base.mdb.dañada-", 0) == 0) {
            apartadas.push_back(nombre);
        }
    }
    ASSERT_EQ(apartadas.size(), 1u);
    EXPECT_EQ(e.carpeta.leer(apartadas[0]), danada);
}

TEST_F(CargaDeOtroPrograma, CerrarElProgramaMientrasOtroCargaNoDeshaceLaCarga) {
    const std::vector<prueba::Fila> nuevas = filasNuevas();
    for (int vuelta = 0; vuelta < 4; ++vuelta) {
        e.sembrarPresta(1); // a change, so each round starts from other rows
        prueba::ProcesoCli carga(cargar(e));
        // This program closes again and again while the other one loads.
        while (!carga.termino()) {
            store::Contexto ctx(e.carpeta.ruta(), e.reloj);
            // While the other program holds the store this one may fail to
            // compact: it then just closes.
            try {
                store::AbrirBaseDatos(ctx);
                const std::optional<core::Error> error = store::CompactarBase(ctx);
                (void)error;
            } catch (const core::Error&) {
            }
            std::this_thread::sleep_for(15ms);
        }
        const prueba::SalidaCli s = carga.esperar();
        ASSERT_EQ(s.codigo, 0) << s.errores;
        EXPECT_EQ(prueba::integridad(e.ctx.rutaBase()), "ok");
        EXPECT_EQ(e.presta(), nuevas) << "vuelta " << vuelta;
    }
}

TEST_F(CargaDeOtroPrograma, MientrasOtroProgramaTieneLaBaseLaCargaEsperaYDiceQueEstaEnUso) {
    // Held a little: the load waits for it and then writes.
    pid_t otro = prueba::bloquearEnOtroPrograma(e.ctx.rutaBase(), 700ms);
    prueba::SalidaCli s = prueba::ejecutarCli(cargar(e));
    waitpid(otro, nullptr, 0);
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(e.presta().size(), static_cast<std::size_t>(Prestamos));
    // Held too long: the load gives up with a message that says why.
    e.sembrarPresta(2);
    const auto antes = e.presta();
    otro = prueba::bloquearEnOtroPrograma(e.ctx.rutaBase(), 8s);
    s = prueba::ejecutarCli(cargar(e));
    kill(otro, SIGKILL);
    waitpid(otro, nullptr, 0);
    EXPECT_EQ(s.codigo, 1);
    EXPECT_NE(s.errores.find("La base de datos está en uso por otro programa"), std::string::npos)
        << s.errores;
    EXPECT_EQ(e.presta(), antes);
    EXPECT_EQ(prueba::integridad(e.ctx.rutaBase()), "ok");
}

} // namespace
