#include "app/cli/filtros_cli.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "tests/apoyo/entorno.h"

#include <gtest/gtest.h>

namespace {

reports::EstadoFiltros filtros(const std::vector<std::string>& palabras) {
    const core::Argumentos a(palabras, {"--tipo", "--grado", "--tematica", "--desde", "--hasta"},
                             {});
    return app::cli::FiltrosDeOpciones(a);
}

// The description of the Error 5 the options give.
std::string rechazo(const std::vector<std::string>& palabras) {
    try {
        filtros(palabras);
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ArgumentoInvalido);
        return e.descripcion();
    }
    return "aceptadas";
}

} // namespace

TEST(FiltrosCli, CadaOpcionEligeSuParteDelPanel) {
    const reports::EstadoFiltros nada = filtros({});
    EXPECT_EQ(nada.tipoUsuario, -1);
    EXPECT_EQ(nada.grado, -1);
    EXPECT_EQ(nada.tematica, -1);
    EXPECT_FALSE(nada.desde || nada.hasta);

    const reports::EstadoFiltros f =
        filtros({"--tipo", "Docente", "--grado", "044", "--tematica", "ANTROPOLOGIA", "--desde",
                 "20240301", "--hasta", "20240430"});
    EXPECT_EQ(f.tipoUsuario, 4);
    EXPECT_EQ(f.grado, 44);
    EXPECT_EQ(f.tematica, 3);
    EXPECT_EQ(f.desde, prueba::dia(2024, 3, 1));
    EXPECT_EQ(f.hasta, prueba::dia(2024, 4, 30));
    EXPECT_EQ(filtros({"--grado", "0"}).grado, 0);
}

TEST(FiltrosCli, UnValorFueraDeSuListaDaUnMensajeClaro) {
    EXPECT_EQ(rechazo({"--tipo", "docente"}),
              "No es un elemento de la lista de tipos de usuario: docente");
    EXPECT_EQ(rechazo({"--tematica", "ARTES"}),
              "No es un elemento de la lista de temáticas: ARTES");
    for (const char* grado : {"45", "-1", "4x", "", " 4", "99999999999"}) {
        EXPECT_EQ(rechazo({"--grado", grado}),
                  std::string("La posición de grado va de 0 a 44: ") + grado);
    }
    EXPECT_NE(rechazo({"--desde", "2024-03-01"}), "aceptadas");
}
