#include "store/dialecto_jet.h"

#include <gtest/gtest.h>

TEST(DialectoJet, ReescribeLeftFueraDeLiterales) {
    EXPECT_EQ(store::traducirJet(
                  "SELECT LEFT(grado,1) AS nivel, COUNT(LEFT(grado,1)) AS cant FROM presta "
                  "GROUP BY LEFT(grado,1) ORDER BY COUNT(LEFT(grado,1)) DESC"),
              "SELECT jet_left(grado,1) AS nivel, COUNT(jet_left(grado,1)) AS cant FROM presta "
              "GROUP BY jet_left(grado,1) ORDER BY COUNT(jet_left(grado,1)) DESC");
    EXPECT_EQ(store::traducirJet("select left (x, 2) from t"), "select jet_left (x, 2) from t");
}

TEST(DialectoJet, NoTocaLiteralesNiOtrosNombres) {
    const char* intactas[] = {
        "SELECT * FROM presta WHERE titulo='LEFT(grado,1)' ",
        "SELECT * FROM presta WHERE titulo LIKE '%format(date(),''yyyymmdd'')%'",
        "SELECT a FROM t LEFT JOIN u ON t.x = u.x",
        "SELECT leftover(x), xleft(y) FROM t",
        "SELECT * FROM presta WHERE (devuelto = '' OR devuelto IS NULL) AND "
        "fecha_devolucion<format(date(),'yyyymmdd') ",
        "SELECT * FROM presta;",
        "SELECT \"LEFT(\" FROM t",
    };
    for (const char* sql : intactas) {
        EXPECT_EQ(store::traducirJet(sql), sql);
    }
}

TEST(DialectoJet, LiteralSinCerrarNoSeReescribe) {
    EXPECT_EQ(store::traducirJet("SELECT 'LEFT(a,1)"), "SELECT 'LEFT(a,1)");
}

TEST(DialectoJet, LikeConPrefijoFijoGanaUnRangoIndexable) {
    EXPECT_EQ(store::traducirJet("SELECT * FROM presta WHERE grado LIKE  '1%' "),
              "SELECT * FROM presta WHERE (grado LIKE '1%' AND grado >= '1' COLLATE ESPANOL AND "
              "grado < '1\xF4\x8F\xBF\xBF' COLLATE ESPANOL) ");
    EXPECT_EQ(store::traducirJet("WHERE grado LIKE '14' AND x"),
              "WHERE (grado LIKE '14' AND grado = '14' COLLATE ESPANOL) AND x");
    // Patterns with inner wildcards, NOT LIKE, ESCAPE and qualified names stay as written.
    const char* intactas[] = {"WHERE apellido LIKE '%per%'", "WHERE a LIKE 'p_r%'",
                              "WHERE a NOT LIKE 'x%'",       "WHERE a LIKE 'x%' ESCAPE '!'",
                              "WHERE t.a LIKE 'x%'",         "WHERE a LIKE '%'"};
    for (const char* sql : intactas) {
        EXPECT_EQ(store::traducirJet(sql), sql);
    }
}

TEST(DialectoJet, EnOrdenDeTablaMarcaLaPrimeraTablaLeida) {
    EXPECT_EQ(store::enOrdenDeTabla("SELECT dni, COUNT(dni) AS cant FROM presta WHERE "
                                    "tipo_usu = 'De FROM x' GROUP BY dni"),
              "SELECT dni, COUNT(dni) AS cant FROM presta NOT INDEXED WHERE "
              "tipo_usu = 'De FROM x' GROUP BY dni");
    EXPECT_EQ(store::enOrdenDeTabla("select \"from\" from  presta"),
              "select \"from\" from  presta NOT INDEXED");
    // Without a table to read there is nothing to mark.
    EXPECT_EQ(store::enOrdenDeTabla("SELECT 'FROM presta'"), "SELECT 'FROM presta'");
    EXPECT_EQ(store::enOrdenDeTabla("SELECT 1 FROM (SELECT 2)"), "SELECT 1 FROM (SELECT 2)");
}
