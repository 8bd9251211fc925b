// The notices of the overdue follow-up: one per member, several to a page.
#include "reports/avisos_devolucion.h"
#include "store/contexto.h"
#include "tests/apoyo/filas_presta.h"
#include "tests/reports/informes_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using reports::OperacionDibujo;
using reports::informes::AvisoDevolucion;

// Every character 100 twips wide; lines 200 high.
class MedidorFijo : public reports::MedidorTexto {
public:
    double ancho(const std::string& texto) const override {
        return 100.0 * static_cast<double>(texto.size());
    }
    double altoLinea() const override { return 200; }
};

std::vector<std::string> textos(const reports::PaginaImpresa& pagina) {
    std::vector<std::string> r;
    for (const OperacionDibujo& op : pagina) {
        if (op.tipo == OperacionDibujo::Tipo::Texto) {
            r.push_back(op.texto);
        }
    }
    return r;
}

bool contiene(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

TEST(AvisosDevolucion, UnoPorSocioConCadaLibroAtrasado) {
    prueba::InformesPrueba p; // today is 20240615
    // Ana late again under her document in lower case: the same notice.
    prueba::agregarFilasPresta(
        p.ctx, {"dni", "apellido", "nombre", "legajo", "grado", "titulo", "fecha_devolucion"},
        {{"ab12", "Gómez", "Ana", "100", "21", "Rayuela", p.enDias(-3)}});
    const auto avisos = reports::informes::AvisosDevolucion(p.ctx, {});
    ASSERT_EQ(avisos.size(), 2u);
    EXPECT_EQ(avisos[0].apellido, "Sosa");
    EXPECT_EQ(avisos[0].grado, "");
    ASSERT_EQ(avisos[0].libros.size(), 1u);
    EXPECT_EQ(avisos[0].libros[0].titulo, "Cosmos");
    EXPECT_EQ(avisos[0].libros[0].dias, "10");
    EXPECT_EQ(avisos[1].legajo, "100");
    ASSERT_EQ(avisos[1].libros.size(), 2u);
    // The member's loans in the report's order: most days late first.
    EXPECT_EQ(avisos[1].libros[0].titulo, "Rayuela");
    EXPECT_EQ(avisos[1].libros[0].dias, "3");
    EXPECT_EQ(avisos[1].libros[1].inventario, "AB1");
    EXPECT_EQ(avisos[1].libros[1].fechaDevolucion, p.enDias(-1));
}

TEST(AvisosDevolucion, FechaLegible) {
    EXPECT_EQ(reports::informes::FechaLegible("20240615"), "15/06/2024");
    EXPECT_EQ(reports::informes::FechaLegible("2024-06"), "2024-06");
    EXPECT_EQ(reports::informes::FechaLegible(""), "");
}

TEST(AvisosDevolucion, CadaAvisoEnUnaCajaConTodoLoQueDice) {
    const std::vector<AvisoDevolucion> avisos{
        {"Gómez", "Ana", "100", "21", {{"Ficciones", "AB1", "20240614", "1"}}},
        {"Sosa", "", "500", "", {{"Cosmos", "E4", "20240605", "10"}, {"Atlas", "", "x", ""}}}};
    const auto paginas = reports::informes::ImprimirAvisos(MedidorFijo(), avisos, "060001500",
                                                           prueba::dia(2024, 6, 15), 12000, 16000);
    ASSERT_EQ(paginas.size(), 1u);
    const auto t = textos(paginas[0]);
    EXPECT_EQ(std::count(t.begin(), t.end(), "Aviso de devolución"), 2);
    EXPECT_EQ(std::count(t.begin(), t.end(), "Escuela (CUE): 060001500"), 2);
    EXPECT_EQ(std::count(t.begin(), t.end(), "Fecha: 15/06/2024"), 2);
    for (const char* esperado : {"Socio: Gómez, Ana", "Legajo: 100", "Grado: 21",
                                 "Ficciones (inv. AB1)", "vencía el 14/06/2024", "1 día de atraso",
                                 "Socio: Sosa", "10 días de atraso", "Atlas", "vencía el x"}) {
        EXPECT_TRUE(contiene(t, esperado)) << esperado;
    }
    EXPECT_EQ(std::count(t.begin(), t.end(), "Firma: ________________________________"), 2);
    const auto cajas = std::count_if(paginas[0].begin(), paginas[0].end(), [](const auto& op) {
        return op.tipo == OperacionDibujo::Tipo::Caja;
    });
    EXPECT_EQ(cajas, 2);
}

TEST(AvisosDevolucion, UnAvisoNoSeParteSalvoQueNoQuepaEnUnaPagina) {
    // Each notice is 2 x 120 + 8 lines x 260 = 2320 twips; a page of 8000
    // holds two (plus the margins and the space between them).
    AvisoDevolucion corto{"A", "B", "1", "2", {}};
    for (int i = 0; i < 2; ++i) {
        corto.libros.push_back({"Libro", "", "20240101", "5"});
    }
    const std::vector<AvisoDevolucion> cinco(5, corto);
    const auto paginas = reports::informes::ImprimirAvisos(MedidorFijo(), cinco, "",
                                                           prueba::dia(2024, 6, 15), 12000, 8000);
    ASSERT_EQ(paginas.size(), 3u);
    for (const auto& pagina : paginas) {
        for (const OperacionDibujo& op : pagina) {
            EXPECT_LE(std::max(op.y1, op.y2), 8000 - 720);
        }
    }
    const auto primera = textos(paginas[0]);
    EXPECT_EQ(std::count(primera.begin(), primera.end(), "Aviso de devolución"), 2);
    EXPECT_TRUE(contiene(primera, "Escuela (CUE): sin código"));

    // Forty titles do not fit on one page: the notice goes on, boxed on each.
    AvisoDevolucion largo = corto;
    largo.libros.assign(40, {"Libro", "", "20240101", "5"});
    const auto partido = reports::informes::ImprimirAvisos(MedidorFijo(), {largo}, "",
                                                           prueba::dia(2024, 6, 15), 12000, 8000);
    ASSERT_GE(partido.size(), 2u);
    std::size_t lineas = 0;
    for (const auto& pagina : partido) {
        EXPECT_EQ(
            std::count_if(pagina.begin(), pagina.end(),
                          [](const auto& op) { return op.tipo == OperacionDibujo::Tipo::Caja; }),
            1);
        for (const OperacionDibujo& op : pagina) {
            EXPECT_LE(std::max(op.y1, op.y2), 8000 - 720);
        }
        const auto t = textos(pagina);
        lineas += static_cast<std::size_t>(std::count(t.begin(), t.end(), "vencía el 01/01/2024"));
    }
    EXPECT_EQ(lineas, 40u);
}

} // namespace
