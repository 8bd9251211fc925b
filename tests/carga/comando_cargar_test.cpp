#include "app/cli/comando_cargar.h"
#include "isis/carga/carga.h"
#include "tests/carga/entorno_carga.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

struct Salida {
    int codigo;
    std::string salida;
    std::string errores;
};

Salida cargar(const prueba::EntornoCarga& e, const std::vector<std::string>& args = {}) {
    std::ostringstream salida;
    std::ostringstream errores;
    const int codigo = app::cli::ComandoCargar(args, e.carpeta.ruta(), salida, errores);
    return {codigo, salida.str(), errores.str()};
}

prueba::BasesPrueba dosPrestamos() {
    prueba::BasesPrueba b;
    b.prestamos = {{{10, "1"}, {20, "111"}}, {{10, "2"}, {20, "222"}}, {{10, "3"}}};
    b.usuarios = {{{10, "Gómez"}, {20, "111"}}};
    b.marc = {{{245, "^aFicciones"}, {900, "1"}}};
    return b;
}

TEST(ComandoCargar, ImprimeLasFilasEscritas) {
    prueba::EntornoCarga e;
    e.escribirBases(dosPrestamos());
    const Salida s = cargar(e);
    EXPECT_EQ(s.codigo, 0) << s.errores;
    EXPECT_EQ(s.salida, "2\n");
    EXPECT_EQ(e.presta().size(), 2u);
}

TEST(ComandoCargar, RutaFaltanteTerminaConCodigo2) {
    prueba::EntornoCarga e;
    const Salida s = cargar(e);
    EXPECT_EQ(s.codigo, 2);
    EXPECT_EQ(s.errores, std::string(carga::MensajeFaltaRuta) + "\n");
    EXPECT_EQ(s.salida, "");
}

TEST(ComandoCargar, OtroErrorTerminaConCodigo1) {
    prueba::EntornoCarga e;
    e.escribirBases(dosPrestamos());
    std::filesystem::create_directory(e.ctx.rutaBase());
    const Salida s = cargar(e);
    EXPECT_EQ(s.codigo, 1);
    EXPECT_EQ(s.errores.rfind("Error " + std::to_string(core::Error::ErrorBaseDatos) + ": ", 0), 0u)
        << s.errores;
}

TEST(ComandoCargar, LosAvisosSeImprimenAntesDelResultado) {
    prueba::EntornoCarga e;
    e.escribirBases(dosPrestamos());
    e.carpeta.escribir("base.mdb", std::string(4096, 'x'));
    const Salida s = cargar(e);
    EXPECT_EQ(s.codigo, 0);
    EXPECT_EQ(s.salida, "2\n");
    EXPECT_EQ(s.errores.rfind("La base de datos " + e.ctx.rutaBase() + " estaba dañada", 0), 0u)
        << s.errores;
    EXPECT_EQ(std::count(s.errores.begin(), s.errores.end(), '\n'), 1);
    // A database that does not open ends the command with its error, named.
    const std::string mensaje = e.quitarXrf("USUARIOS");
    const Salida sinUsuarios = cargar(e);
    EXPECT_EQ(sinUsuarios.codigo, 1);
    EXPECT_EQ(sinUsuarios.salida, "");
    EXPECT_EQ(sinUsuarios.errores,
              "Error " + std::to_string(core::Error::ErrorIsis) + ": " + mensaje + "\n");
}

TEST(ComandoCargar, NoAdmiteArgumentos) {
    prueba::EntornoCarga e;
    e.escribirBases(dosPrestamos());
    EXPECT_EQ(cargar(e, {"--ya"}).codigo, 1);
    EXPECT_FALSE(std::filesystem::exists(e.ctx.rutaBase()));
}

} // namespace
