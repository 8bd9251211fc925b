#include "isis/carga/carga.h"
#include "tests/carga/entorno_carga.h"
#include "tests/carga/registros_carga.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using prueba::ejemplar;
using prueba::prestamo;
using prueba::tresPrestamos;
using prueba::usuario;
using Tipo = carga::ResultadoCarga::Tipo;

TEST(CargarDatos, CompletaCadaPrestamoConSuUsuarioYSuEjemplar) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Exito);
    EXPECT_EQ(r.filas, 3);
    EXPECT_EQ(e.ctx.TotalPrestamos, 3);
    const auto filas = e.presta();
    ASSERT_EQ(filas.size(), 3u);
    // The first loan is completed like every other.
    for (int i : {0, 1}) {
        EXPECT_EQ(e.valor(i, "nombre"), "Ana");
        EXPECT_EQ(e.valor(i, "tipo_usu"), "ALUMNO");
        EXPECT_EQ(e.valor(i, "direccion"), "Calle 1");
        EXPECT_EQ(e.valor(i, "legajo"), "L-7");
        EXPECT_EQ(e.valor(i, "grado"), "31");
        EXPECT_EQ(e.valor(i, "titulo"), "Cuentos. Tomo 2. Selva");
        EXPECT_EQ(e.valor(i, "autor"), "Quiroga, Horacio   Peña, Ñandú");
        EXPECT_EQ(e.valor(i, "tematica"), "Literatura");
        EXPECT_EQ(e.valor(i, "isbn"), "950-00-0001");
        EXPECT_EQ(e.valor(i, "fecha_devolucion"), "20240310");
        EXPECT_EQ(e.valor(i, "fecha_presta"), "20240301");
        EXPECT_EQ(e.valor(i, "devuelto"), "20240308");
        EXPECT_EQ(e.valor(i, "nro_renovaciones"), "1");
    }
    EXPECT_EQ(e.valor(0, "apellido"), "García");
    EXPECT_EQ(e.valor(0, "inventario"), "100");
    EXPECT_EQ(e.valor(1, "apellido"), "López");
    EXPECT_EQ(e.valor(1, "dni"), "222");
}

TEST(CargarDatos, UnUsuarioOUnEjemplarDesconocidoDejaLosDatosDelPrestamo) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    EXPECT_EQ(e.valor(2, "dni"), "999");
    EXPECT_EQ(e.valor(2, "apellido"), "Apellido del préstamo");
    for (const char* c : {"nombre", "legajo", "grado", "tipo_usu", "direccion", "suspendido"}) {
        EXPECT_EQ(e.valor(2, c), std::nullopt) << c;
    }
    EXPECT_EQ(e.valor(2, "titulo"), "Título del préstamo");
    EXPECT_EQ(e.valor(2, "autor"), "Autor del préstamo");
    EXPECT_EQ(e.valor(2, "tematica"), "Tema del préstamo");
    EXPECT_EQ(e.valor(2, "isbn"), std::nullopt);
}

TEST(CargarDatos, UnPrestamoSinCampo20NoDaFila) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b = tresPrestamos();
    b.prestamos.insert(b.prestamos.begin() + 1, prestamo("100", ""));
    e.escribirBases(b);
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    const auto filas = e.presta();
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(e.valor(1, "dni"), "222");
    EXPECT_EQ(e.ctx.TotalPrestamos, 3);
}

TEST(CargarDatos, UnValorVacioDelUsuarioOElEjemplarReemplazaAlDelPrestamo) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b;
    b.prestamos = {prestamo("100", "111")};
    b.usuarios = {usuario("111", "", "20240601")};
    escritor::Registro sinTema = ejemplar("100");
    std::erase_if(sinTema, [](const escritor::Campo& c) { return c.tag == 659; });
    b.marc = {sinTema};
    e.escribirBases(b);
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    EXPECT_EQ(e.valor(0, "apellido"), std::nullopt);
    EXPECT_EQ(e.valor(0, "tematica"), std::nullopt);
    EXPECT_EQ(e.valor(0, "nombre"), "Ana");
}

TEST(CargarDatos, SuspendidoCuandoHoyPasaElFinDeLaSuspension) {
    prueba::EntornoCarga e; // today is 20240515
    prueba::BasesPrueba b;
    const std::vector<std::pair<std::string, std::optional<std::string>>> casos{
        {"20240515", std::nullopt}, {"20240516", std::nullopt}, {"20240514", "SI"}, {"", "SI"}};
    for (std::size_t i = 0; i < casos.size(); ++i) {
        const std::string dni = "50" + std::to_string(i);
        b.prestamos.push_back(prestamo("1", dni));
        b.usuarios.push_back(usuario(dni, "Pérez", casos[i].first));
    }
    e.escribirBases(b);
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    for (std::size_t i = 0; i < casos.size(); ++i) {
        EXPECT_EQ(e.valor(static_cast<int>(i), "suspendido"), casos[i].second)
            << "campo 150 = " << casos[i].first;
    }
}

TEST(CargarDatos, ElAutorNuncaEmpiezaNiTerminaConBlancos) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b;
    b.prestamos = {prestamo("100", "111"), prestamo("200", "111")};
    b.usuarios = {usuario("111", "García", "")};
    b.marc = {{{245, "^aSólo coautor"}, {700, "^aBorges, Jorge Luis"}, {900, "100"}},
              {{245, "^aSólo entidad"}, {710, "^aMinisterio de Educación"}, {900, "200"}}};
    e.escribirBases(b);
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    EXPECT_EQ(e.valor(0, "autor"), "Borges, Jorge Luis");
    EXPECT_EQ(e.valor(1, "autor"), "Ministerio de Educación");
    EXPECT_EQ(e.valor(0, "titulo"), "Sólo coautor");
}

TEST(CargarDatos, SinPrestamosConCampo20VaciaPresta) {
    prueba::EntornoCarga e;
    e.sembrarPresta(5);
    e.ctx.TotalPrestamos = 5;
    prueba::BasesPrueba b = tresPrestamos();
    b.prestamos = {prestamo("100", ""), prestamo("200", "")};
    e.escribirBases(b);
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    EXPECT_EQ(r.tipo, Tipo::Exito);
    EXPECT_EQ(r.filas, 0);
    EXPECT_EQ(e.ctx.TotalPrestamos, 0);
    EXPECT_TRUE(e.presta().empty());
}

TEST(CargarDatos, RecargarDosVecesDaLoMismoQueUnaVez) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    const auto unaVez = e.presta();
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    EXPECT_EQ(e.presta(), unaVez);
    EXPECT_EQ(e.ctx.TotalPrestamos, 3);
}

TEST(CargarDatos, ReleeLasRutasEnCadaCarga) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    e.fijarRutas(e.ruta("PRESTA.MST"), e.ruta("USUARIOS.MST"), e.ruta("NOESTA.MST"));
    EXPECT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::FaltaRuta);
    EXPECT_EQ(e.ctx.ArchivoIni, nullptr);
}

// Paths that lead nowhere: presta keeps the previous load and no ISIS file is read.
class RutaFaltante : public ::testing::Test {
protected:
    void SetUp() override {
        e.escribirBases(tresPrestamos());
        e.sembrarPresta(4);
        e.ctx.TotalPrestamos = 4;
        antes = e.presta();
    }
    void esperarFaltaRuta() {
        const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
        EXPECT_EQ(r.tipo, Tipo::FaltaRuta);
        EXPECT_EQ(e.presta(), antes);
        EXPECT_EQ(e.ctx.TotalPrestamos, 4);
        EXPECT_TRUE(r.avisos.empty());
    }
    prueba::EntornoCarga e;
    std::vector<prueba::Fila> antes;
};

TEST_F(RutaFaltante, MarcInexistente) {
    e.fijarRutas(e.ruta("PRESTA.MST"), e.ruta("USUARIOS.MST"), e.ruta("MARC2.MST"));
    esperarFaltaRuta();
}

TEST_F(RutaFaltante, RutaVacia) {
    e.fijarRutas("", e.ruta("USUARIOS.MST"), e.ruta("MARC.MST"));
    esperarFaltaRuta();
}

TEST_F(RutaFaltante, NombreSinExtension) {
    e.carpeta.escribir("PRESTA", "");
    e.fijarRutas(e.ruta("PRESTA"), e.ruta("USUARIOS.MST"), e.ruta("MARC.MST"));
    esperarFaltaRuta();
}

TEST_F(RutaFaltante, PuntoSoloEnLaCarpeta) {
    std::filesystem::create_directory(e.ruta("bases.isis"));
    e.carpeta.escribir("bases.isis/USUARIOS", "");
    e.fijarRutas(e.ruta("PRESTA.MST"), e.ruta("bases.isis/USUARIOS"), e.ruta("MARC.MST"));
    esperarFaltaRuta();
}

TEST_F(RutaFaltante, BarraInvertidaTambienSepara) {
    e.carpeta.escribir("x.y\\PRESTA", "");
    e.fijarRutas(e.ruta("x.y\\PRESTA"), e.ruta("USUARIOS.MST"), e.ruta("MARC.MST"));
    esperarFaltaRuta();
}

// Twenty-three loans, enough for every phase to notice progress several times.
prueba::BasesPrueba veintitresPrestamos() {
    prueba::BasesPrueba b = tresPrestamos();
    for (int i = 0; i < 20; ++i) {
        b.prestamos.push_back(prestamo(i % 2 ? "100" : "200", "111"));
    }
    return b;
}

// A failure anywhere in the run leaves presta, usuarios, ejemplares and the
// loan total as they were.
class FallaEnLaCarga : public ::testing::Test {
protected:
    void SetUp() override {
        e.escribirBases(veintitresPrestamos());
        e.sembrarPresta(6);
        e.sembrarInformes(4);
        e.ctx.TotalPrestamos = 6;
        antes = e.presta();
        usuariosAntes = e.tabla("usuarios");
        ejemplaresAntes = e.tabla("ejemplares");
    }
    prueba::EntornoCarga e;
    std::vector<prueba::Fila> antes, usuariosAntes, ejemplaresAntes;
};

TEST_F(FallaEnLaCarga, EnCualquierAvisoDelProgreso) {
    // Count the progress notices of a whole run on the same databases.
    int total = 0;
    std::set<std::string> etapas;
    {
        prueba::EntornoCarga conteo;
        conteo.escribirBases(veintitresPrestamos());
        ASSERT_EQ(carga::CargarDatos(conteo.ctx,
                                     [&](const std::string& etiqueta, int, int) {
                                         ++total;
                                         etapas.insert(etiqueta);
                                     })
                      .tipo,
                  Tipo::Exito);
    }
    ASSERT_EQ(etapas.size(), 6u);
    for (int n : {1, 2, total / 4, total / 2, 3 * total / 4, total - 2, total - 1, total}) {
        int avisos = 0;
        const carga::ResultadoCarga r =
            carga::CargarDatos(e.ctx, [&](const std::string&, int, int) {
                if (++avisos == n) {
                    throw core::Error(core::Error::ErrorIsis, "falla provocada");
                }
            });
        ASSERT_EQ(r.tipo, Tipo::Error) << "aviso " << n;
        EXPECT_EQ(r.error->numero(), core::Error::ErrorIsis);
        EXPECT_EQ(e.presta(), antes) << "aviso " << n;
        EXPECT_EQ(e.tabla("usuarios"), usuariosAntes) << "aviso " << n;
        EXPECT_EQ(e.tabla("ejemplares"), ejemplaresAntes) << "aviso " << n;
        EXPECT_EQ(e.ctx.TotalPrestamos, 6);
        EXPECT_EQ(e.ctx.ArchivoIni, nullptr);
        // The ISIS spaces went with the failure: no database file stays open.
        EXPECT_EQ(e.archivosIsisAbiertos(), std::vector<std::string>{}) << "aviso " << n;
    }
    // After all those failures the next run still loads, all three tables.
    EXPECT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    EXPECT_EQ(e.ctx.TotalPrestamos, 23);
    EXPECT_EQ(e.tabla("usuarios").size(), 2u);
    EXPECT_EQ(e.tabla("ejemplares").size(), 2u);
}

TEST_F(FallaEnLaCarga, ArchivoMaestroDanado) {
    const auto largo = std::filesystem::file_size(e.ruta("MARC.MST"));
    std::filesystem::resize_file(e.ruta("MARC.MST"), largo / 2);
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Error);
    EXPECT_EQ(e.presta(), antes);
    EXPECT_EQ(e.ctx.TotalPrestamos, 6);
    EXPECT_EQ(e.archivosIsisAbiertos(), std::vector<std::string>{});
}

// Master files that are there but do not open end the run at the first
// database its steps meet, members before titles, named as it really is;
// presta keeps the previous load.
TEST(CargarDatos, LaPrimeraBaseQueNoAbreTerminaLaCargaConSuNombre) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    e.sembrarPresta(2);
    const std::string mensaje = e.quitarXrf("USUARIOS");
    e.quitarXrf("MARC");
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Error);
    EXPECT_EQ(r.error->numero(), core::Error::ErrorIsis);
    EXPECT_EQ(r.error->descripcion(), mensaje);
    EXPECT_TRUE(r.avisos.empty());
    EXPECT_EQ(e.presta().size(), 2u);
}

TEST(CargarDatos, LosAvisosLleganAunqueLaCargaFalleDespues) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    e.carpeta.escribir("base.mdb", std::string(4096, 'x'));
    const carga::ResultadoCarga r =
        carga::CargarDatos(e.ctx, [](const std::string& etiqueta, int, int) {
            if (etiqueta == "Cargando datos a la base") {
                throw core::Error(core::Error::ErrorIsis, "falla provocada");
            }
        });
    EXPECT_EQ(r.tipo, Tipo::Error);
    ASSERT_EQ(r.avisos.size(), 1u);
    EXPECT_NE(r.avisos[0].find("dañada"), std::string::npos) << r.avisos[0];
}

TEST(CargarDatos, SinAlmacenNoSeEscribeNada) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    std::filesystem::create_directory(e.ctx.rutaBase());
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    EXPECT_EQ(r.tipo, Tipo::SinAlmacen);
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(r.error->numero(), core::Error::ErrorBaseDatos);
    EXPECT_EQ(e.ctx.TotalPrestamos, 0);
}

// A database that does not open, or does not read whole, fails the run with
// a message that names the file; presta and the loan total stay as they were.
struct Dano {
    const char* nombre;
    // Damages the databases of the folder; returns the file the message names.
    std::function<std::string(prueba::EntornoCarga&)> aplicar;
};

void PrintTo(const Dano& d, std::ostream* os) {
    *os << d.nombre;
}

class BaseIlegible : public ::testing::TestWithParam<Dano> {
protected:
    void SetUp() override {
        prueba::BasesPrueba b = tresPrestamos();
        // More loans than one block of the cross-reference file holds.
        for (int i = 0; i < 300; ++i) {
            b.prestamos.push_back(prestamo(i % 2 ? "100" : "200", "111"));
        }
        e.escribirBases(b);
        e.sembrarPresta(6);
        e.ctx.TotalPrestamos = 6;
        antes = e.presta();
    }
    prueba::EntornoCarga e;
    std::vector<prueba::Fila> antes;
};

std::string vaciar(prueba::EntornoCarga& e, const std::string& nombre) {
    std::filesystem::resize_file(e.ruta(nombre), 0);
    return e.ruta(nombre);
}

std::string quitar(prueba::EntornoCarga& e, const std::string& nombre) {
    std::filesystem::remove(e.ruta(nombre));
    return e.ruta(nombre);
}

std::string carpetaEnLugarDe(prueba::EntornoCarga& e, const std::string& nombre) {
    quitar(e, nombre);
    std::filesystem::create_directory(e.ruta(nombre));
    return e.ruta(nombre);
}

TEST_P(BaseIlegible, LaCargaFallaNombrandoElArchivoYPrestaQuedaComoEstaba) {
    const std::string archivo = GetParam().aplicar(e);
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Error) << r.filas << " filas";
    EXPECT_EQ(r.error->numero(), core::Error::ErrorIsis);
    EXPECT_NE(r.error->descripcion().find(archivo), std::string::npos) << r.error->descripcion();
    EXPECT_EQ(e.presta(), antes);
    EXPECT_EQ(e.ctx.TotalPrestamos, 6);
    EXPECT_EQ(e.archivosIsisAbiertos(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Danos, BaseIlegible,
    ::testing::Values(
        Dano{"PrestaSinXrf", [](prueba::EntornoCarga& e) { return quitar(e, "PRESTA.XRF"); }},
        Dano{"PrestaXrfVacio", [](prueba::EntornoCarga& e) { return vaciar(e, "PRESTA.XRF"); }},
        Dano{"PrestaXrfCortado",
             [](prueba::EntornoCarga& e) {
                 std::filesystem::resize_file(e.ruta("PRESTA.XRF"), 512);
                 return e.ruta("PRESTA.XRF");
             }},
        Dano{"PrestaXrfEsCarpeta",
             [](prueba::EntornoCarga& e) { return carpetaEnLugarDe(e, "PRESTA.XRF"); }},
        Dano{"PrestaXrfEsFifo",
             [](prueba::EntornoCarga& e) {
                 quitar(e, "PRESTA.XRF");
                 mkfifo(e.ruta("PRESTA.XRF").c_str(), 0600);
                 return e.ruta("PRESTA.XRF");
             }},
        Dano{"PrestaMstEsCarpeta",
             [](prueba::EntornoCarga& e) { return carpetaEnLugarDe(e, "PRESTA.MST"); }},
        Dano{"RutaPrestaConComodin",
             [](prueba::EntornoCarga& e) {
                 e.fijarRutas(e.ruta("PRES*.MST"), e.ruta("USUARIOS.MST"), e.ruta("MARC.MST"));
                 return e.ruta("PRES*.MST");
             }},
        Dano{"UsuariosSinXrf", [](prueba::EntornoCarga& e) { return quitar(e, "USUARIOS.XRF"); }},
        Dano{"UsuariosL01Vacio", [](prueba::EntornoCarga& e) { return vaciar(e, "USUARIOS.L01"); }},
        Dano{"MarcSinXrf", [](prueba::EntornoCarga& e) { return quitar(e, "MARC.XRF"); }},
        Dano{"MarcXrfVacio", [](prueba::EntornoCarga& e) { return vaciar(e, "MARC.XRF"); }}),
    [](const ::testing::TestParamInfo<Dano>& caso) { return std::string(caso.param.nombre); });

// Signs of the search language inside a member number never make it an
// expression: the number is one key, found or not.
TEST(CargarDatos, UnNumeroDeSocioEsUnaSolaClaveYNuncaUnaExpresion) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b;
    const std::vector<std::string> numeros{
        "12(3", "45)", "\"abc", "7 ^ 8", "9 . 10", "40000011 + 40000001", "4000000$", "5*6"};
    for (const std::string& n : numeros) {
        b.prestamos.push_back(prestamo("100", n));
    }
    b.usuarios = {usuario("12(3", "Paréntesis", ""), usuario("40000011", "Once", ""),
                  usuario("40000001", "Uno", ""), usuario("5*6", "Asterisco", "")};
    b.marc = {ejemplar("100")};
    // The copy look-up takes the inventory as one key too.
    b.prestamos.push_back(prestamo("7(8", "12(3"));
    b.prestamos.push_back(prestamo("9$", "12(3"));
    b.marc.push_back(ejemplar("7(8"));
    b.marc.push_back(ejemplar("90"));
    e.escribirBases(b);
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Exito) << (r.error ? r.error->descripcion() : "");
    ASSERT_EQ(r.filas, 10);
    EXPECT_EQ(e.valor(0, "apellido"), "Paréntesis");
    EXPECT_EQ(e.valor(7, "apellido"), "Asterisco");
    for (int fila : {1, 2, 3, 4, 5, 6}) {
        EXPECT_EQ(e.valor(fila, "nombre"), std::nullopt) << numeros[fila];
        EXPECT_EQ(e.valor(fila, "apellido"), "Apellido del préstamo") << numeros[fila];
        EXPECT_EQ(e.valor(fila, "dni"), numeros[static_cast<std::size_t>(fila)]);
    }
    EXPECT_EQ(e.valor(8, "titulo"), "Cuentos. Tomo 2. Selva");
    EXPECT_EQ(e.valor(9, "titulo"), "Título del préstamo");
}

// A loan's inventory finds its copy as the catalogue's inverted file would:
// without regard to case or surrounding blanks, and cut to the longest key.
TEST(CargarDatos, ElInventarioHallaSuEjemplarComoElArchivoInvertido) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b;
    const std::string largo(40, 'X');
    for (const std::string& inventario :
         std::vector<std::string>{"ab-12", " ñu-3 ", largo + "Y", "AB-1"}) {
        b.prestamos.push_back(prestamo(inventario, "111"));
    }
    b.usuarios = {usuario("111", "García", "")};
    b.marc = {ejemplar("AB-12"), ejemplar("Ñu-3"), ejemplar(largo)};
    e.escribirBases(b);
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Exito) << (r.error ? r.error->descripcion() : "");
    ASSERT_EQ(r.filas, 4);
    for (int fila : {0, 1, 2}) {
        EXPECT_EQ(e.valor(fila, "titulo"), "Cuentos. Tomo 2. Selva") << fila;
    }
    EXPECT_EQ(e.valor(3, "titulo"), "Título del préstamo");
}

// A store that is not a database, or whose pages are damaged, is kept aside
// under another name and replaced by a new one that the run fills.
std::vector<std::string> apartadas(const prueba::EntornoCarga& e) {
    std::vector<std::string> nombres;
    for (const auto& entrada : std::filesystem::directory_iterator(e.carpeta.ruta())) {
        const std::string nombre = entrada.path().filename().string();
        if (nombre.rfind("base.mdb.dañada-", 0) == 0) {
            nombres.push_back(nombre);
        }
    }
    return nombres;
}

TEST(CargarDatos, UnaBaseDeDatosQueNoEsBaseSeApartaYLaCargaLlenaUnaNueva) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    e.carpeta.escribir("base.mdb", std::string(4096, 'x'));
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Exito) << (r.error ? r.error->descripcion() : "");
    EXPECT_EQ(e.presta().size(), 3u);
    ASSERT_EQ(r.avisos.size(), 1u);
    EXPECT_NE(r.avisos[0].find("dañada"), std::string::npos) << r.avisos[0];
    const auto nombres = apartadas(e);
    ASSERT_EQ(nombres.size(), 1u);
    EXPECT_NE(r.avisos[0].find(nombres[0]), std::string::npos) << r.avisos[0];
    EXPECT_EQ(e.carpeta.leer(nombres[0]), std::string(4096, 'x'));
}

TEST(CargarDatos, UnaBaseDeDatosConPaginasDanadasSeReparaAlCargar) {
    prueba::EntornoCarga e;
    e.escribirBases(veintitresPrestamos());
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    e.ctx.Conexion.reset();
    {
        // Every page after the first (the schema) overwritten.
        std::fstream base(e.ctx.rutaBase(), std::ios::in | std::ios::out | std::ios::binary);
        const auto largo = std::filesystem::file_size(e.ctx.rutaBase());
        base.seekp(4096);
        const std::string basura(largo - 4096, '\xA5');
        base.write(basura.data(), static_cast<std::streamsize>(basura.size()));
    }
    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Exito) << (r.error ? r.error->descripcion() : "");
    EXPECT_EQ(e.presta().size(), 23u);
    EXPECT_EQ(apartadas(e).size(), 1u);
    EXPECT_EQ(r.avisos.size(), 1u);
}

TEST(CargarDatos, UnaTablaDeCamposQueEsUnFifoNoCuelgaLaCarga) {
    prueba::EntornoCarga e;
    e.escribirBases(tresPrestamos());
    // Without an inverted file the members are found through the .FST.
    for (const char* ext : {".CNT", ".N01", ".L01", ".N02", ".L02", ".IFP", ".FST"}) {
        std::filesystem::remove(e.ruta(std::string("USUARIOS") + ext));
    }
    ASSERT_EQ(mkfifo(e.ruta("USUARIOS.FST").c_str(), 0600), 0);
    std::promise<carga::ResultadoCarga> promesa;
    std::future<carga::ResultadoCarga> resultado = promesa.get_future();
    std::thread carga([&] { promesa.set_value(carga::CargarDatos(e.ctx)); });
    const bool termino = resultado.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    // Let each blocked open through so the thread ends.
    while (resultado.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        close(open(e.ruta("USUARIOS.FST").c_str(), O_WRONLY | O_NONBLOCK));
    }
    carga.join();
    ASSERT_TRUE(termino);
    const carga::ResultadoCarga r = resultado.get();
    ASSERT_EQ(r.tipo, Tipo::Error);
    EXPECT_NE(r.error->descripcion().find(e.ruta("USUARIOS.FST")), std::string::npos)
        << r.error->descripcion();
}

} // namespace
