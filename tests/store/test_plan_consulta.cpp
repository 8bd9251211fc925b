#include "store/almacen.h"
#include "store/base_datos.h"
#include "store/esquema.h"
#include "store/memoria_consultas.h"
#include "store/plan_consulta.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>

namespace {

using Filas = std::vector<prueba::Fila>;

// The book ranking's grouping with every column, as the ranking window asks it.
const std::string PorLibro = "SELECT titulo, tematica, autor , COUNT(dni) AS cant FROM presta "
                             "GROUP BY titulo , tematica, autor  ORDER BY COUNT(titulo) DESC";

// Loans whose titles differ only in case (one group under the store's
// collation, written differently row by row), whose rows lie in the table
// in another order than in the title index, and whose groups tie on their
// counts: neither the text that stands for a group nor the order of the
// ties may depend on the walk.
struct Plan : testing::Test {
    Plan() {
        e.abrirAlmacen();
        const std::vector<std::string> titulos{"rayuela",   "Cosmos", "RAYUELA", "ficciones",
                                               "Rayuela",   "cosmos", "Zama",    "ñandú",
                                               "Ficciones", "Ñandú",  "zama",    "COSMOS"};
        std::vector<prueba::Fila> filas;
        for (int vuelta = 0; vuelta < 60; ++vuelta) {
            for (std::size_t i = 0; i < titulos.size(); ++i) {
                const std::size_t t = (i * 7 + static_cast<std::size_t>(vuelta)) % titulos.size();
                filas.push_back({std::to_string(1000 + vuelta * 13 + static_cast<int>(i)),
                                 titulos[t], t % 2 == 0 ? "Novela" : "novela", "Autor"});
            }
        }
        prueba::agregarFilasPresta(e.ctx, {"dni", "titulo", "tematica", "autor"}, filas);
        store::actualizarEstadisticasPresta(base());
    }
    store::BaseDatos& base() { return *e.ctx.Conexion; }

    prueba::Entorno e{prueba::dia(2026, 5, 20)};
};

// Through the title index the engine would look every row up only to sort
// the groups afterwards: the table is read in its own order instead, with
// the same groups, representatives and order of ties.
TEST_F(Plan, UnaAgrupacionDeTodaLaTablaSeLeeEnOrdenDeTablaConElMismoResultado) {
    const store::PlanConsulta plan = store::planDe(base(), PorLibro);
    ASSERT_TRUE(plan.recorreIndiceEntero && plan.agrupaAparte && !plan.busca)
        << "the planner no longer walks the index for this grouping";
    const std::string leida = store::sinRecorridoPorIndice(base(), PorLibro);
    EXPECT_NE(leida.find("FROM presta NOT INDEXED"), std::string::npos) << leida;
    EXPECT_FALSE(store::planDe(base(), leida).porIndice);

    const Filas porIndice = prueba::filasDe(e.ctx, PorLibro);
    ASSERT_EQ(porIndice.size(), 5u);
    const store::FilasLeidas& guardadas = base().memoria().leer(PorLibro, 100);
    EXPECT_EQ(guardadas.filas, porIndice);
}

// A statement that searches, one that reads two tables and one whose index
// walk already gives the order keep the engine's own plan.
TEST_F(Plan, LoQueBuscaOLeeVariasTablasQuedaComoEsta) {
    for (const std::string sql :
         {"SELECT titulo, COUNT(dni) FROM presta WHERE titulo = 'Zama' GROUP BY titulo, autor",
          "SELECT p.titulo, COUNT(u.dni) FROM presta p, usuarios u WHERE u.dni = p.dni "
          "GROUP BY p.titulo, p.autor",
          "SELECT titulo FROM presta ORDER BY titulo"}) {
        EXPECT_EQ(store::sinRecorridoPorIndice(base(), sql), sql);
    }
}

} // namespace
