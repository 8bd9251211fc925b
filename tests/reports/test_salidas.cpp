#include "core/texto.h"
#include "reports/csv.h"
#include "reports/encabezado_salida.h"
#include "reports/grilla.h"
#include "reports/impresion_grilla.h"
#include "reports/tabla_salida.h"
#include "tests/apoyo/programa_cli.h"
#include "tests/reports/medidor_fijo.h"
#include "tests/reports/presta_prueba.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using prueba::MedidorFijo;

// What a command prints, read through a shell.
std::string salidaDe(const std::string& comando) {
    std::string texto;
    std::unique_ptr<FILE, int (*)(FILE*)> tubo(popen(comando.c_str(), "r"), pclose);
    char bloque[4096];
    while (tubo && !feof(tubo.get())) {
        texto.append(bloque, fread(bloque, 1, sizeof bloque, tubo.get()));
    }
    return texto;
}

// RFC 4180 read back: fields between quotes may hold anything, "" is a quote.
std::vector<std::vector<std::string>> leerCsv(const std::string& texto) {
    std::vector<std::vector<std::string>> filas(1);
    std::string campo;
    bool entreComillas = false;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (entreComillas) {
            if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                entreComillas = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            entreComillas = true;
        } else if (c == ',') {
            filas.back().push_back(std::move(campo));
            campo.clear();
        } else if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            filas.back().push_back(std::move(campo));
            campo.clear();
            filas.emplace_back();
            ++i;
        } else {
            campo += c;
        }
    }
    filas.pop_back(); // after the last line break
    return filas;
}

std::vector<std::string> textosDe(const reports::PaginaImpresa& pagina) {
    std::vector<std::string> textos;
    for (const reports::OperacionDibujo& op : pagina) {
        if (op.tipo == reports::OperacionDibujo::Tipo::Texto) {
            textos.push_back(op.texto);
        }
    }
    return textos;
}

bool contiene(const std::vector<std::string>& textos, const std::string& buscado) {
    return std::find(textos.begin(), textos.end(), buscado) != textos.end();
}

} // namespace

TEST(Csv, LosValoresVuelvenComoSeEscribieron) {
    const std::vector<std::string> valores{
        "a,b",         "dijo \"hola\"", "D'Angelo", "dos\r\nlíneas",
        "Ñandú árbol", " borde ",       "",         "simple"};
    reports::Grilla g;
    g.fijarColumnas(static_cast<int>(valores.size()));
    g.fijarFilas(3);
    for (int c = 0; c < g.columnas(); ++c) {
        g.fijarTexto(0, c, "T" + std::to_string(c));
        g.fijarTexto(1, c, valores[static_cast<std::size_t>(c)]);
    }
    reports::FilasDeGrilla filas(g, 0);
    std::vector<std::string> titulos;
    for (int c = 0; c < g.columnas(); ++c) {
        titulos.push_back("T" + std::to_string(c));
    }
    std::ostringstream salida;
    reports::EscribirCsv({titulos, std::vector<int>(valores.size(), 1000),
                          std::vector<reports::TipoColumna>(valores.size()), filas},
                         salida);
    const std::string texto = salida.str();
    ASSERT_EQ(texto.rfind("\xEF\xBB\xBF", 0), 0u);
    const auto leidas = leerCsv(texto.substr(3));
    ASSERT_EQ(leidas.size(), 2u);
    EXPECT_EQ(leidas[0], titulos);
    EXPECT_EQ(leidas[1], valores);
}

TEST(Encabezado, NombraLosFiltrosElegidosYElPeriodo) {
    reports::Encabezado e;
    e.titulo = "Listado";
    e.cue = "060123400";
    e.filtros.tipoUsuario = 1;
    e.filtros.desde = core::Fecha{std::chrono::year(2026), std::chrono::March, std::chrono::day(1)};
    e.filtros.hasta =
        core::Fecha{std::chrono::year(2026), std::chrono::November, std::chrono::day(30)};
    e.otrosFiltros = {"Apellido: Pérez"};
    e.filas = 12;
    e.impreso = core::Fecha{std::chrono::year(2026), std::chrono::December, std::chrono::day(9)};
    const auto lineas = reports::LineasEncabezado(e);
    ASSERT_EQ(lineas.size(), 4u);
    EXPECT_EQ(lineas[0], "Listado");
    EXPECT_EQ(lineas[1], "CUE 060123400 · Desde 01/03/2026 hasta 30/11/2026");
    EXPECT_EQ(lineas[2].find("Grado"), std::string::npos); // not set, not named
    EXPECT_NE(lineas[2].find("Usuario: "), std::string::npos);
    EXPECT_NE(lineas[2].find("Apellido: Pérez"), std::string::npos);
    EXPECT_EQ(lineas[3], "12 filas · Impreso el 09/12/2026");

    reports::Encabezado sinFiltros;
    EXPECT_EQ(reports::LineasEncabezado(sinFiltros)[2], "Sin filtros");
    EXPECT_NE(reports::LineasEncabezado(sinFiltros)[1].find("Todo el período"), std::string::npos);
}

// Every page repeats the heading and the header row, is numbered of the
// total, and a table wider than the page is scaled to it whole.
TEST(Paginas, QuinientasFilasNumeradasYTablaAnchaEscalada) {
    reports::Grilla g;
    g.fijarColumnas(15);
    g.fijarFilas(502);
    for (int c = 0; c < 15; ++c) {
        g.fijarAncho(c, 1500);
        g.fijarTexto(0, c, "C" + std::to_string(c));
    }
    for (int f = 1; f <= 500; ++f) {
        g.fijarTexto(f, 1, "fila " + std::to_string(f));
    }
    const MedidorFijo medidor;
    const reports::Hoja hoja{15000, 10000};
    auto paginas = reports::PaginasGrilla(medidor, g, {"Listado", "CUE 1"}, hoja);
    reports::NumerarPaginas(medidor, paginas, hoja);
    const std::size_t n = paginas.size();
    ASSERT_GT(n, 5u);
    std::vector<std::string> filasVistas;
    for (std::size_t i = 0; i < n; ++i) {
        const auto textos = textosDe(paginas[i]);
        EXPECT_TRUE(contiene(textos, "Listado")) << i;
        EXPECT_TRUE(contiene(textos, "C14")) << i;
        EXPECT_TRUE(contiene(textos, reports::TextoPagina(i + 1, n))) << i;
        for (const reports::OperacionDibujo& op : paginas[i]) {
            EXPECT_LE(op.x2, hoja.ancho + 1e-6);
            EXPECT_LE(op.y2, hoja.alto + 1e-6);
            if (op.texto.rfind("fila ", 0) == 0) {
                filasVistas.push_back(op.texto);
            }
        }
    }
    ASSERT_EQ(filasVistas.size(), 500u); // no row lost nor printed twice
    EXPECT_EQ(filasVistas.back(), "fila 500");
}

TEST(CliSalidas, CsvConLasMismasFilasQueElTsv) {
    prueba::PrestaPrueba p;
    const std::string tsv = prueba::ejecutarCli(p.carpeta.ruta(), "lista --modo 1").texto;
    const prueba::SalidaCli csv =
        prueba::ejecutarCli(p.carpeta.ruta(), "lista --modo 1 --formato csv");
    ASSERT_EQ(csv.codigo, 0) << csv.texto;
    const auto filas = leerCsv(csv.texto.substr(3));
    std::vector<std::vector<std::string>> esperadas;
    std::istringstream lineas(tsv);
    for (std::string linea; std::getline(lineas, linea);) {
        std::vector<std::string> campos;
        std::istringstream partes(linea + "\t");
        for (std::string campo; std::getline(partes, campo, '\t');) {
            campos.push_back(campo);
        }
        esperadas.push_back(campos);
    }
    EXPECT_EQ(filas, esperadas);
    EXPECT_GT(filas.size(), 2u);
}

TEST(CliSalidas, XlsxConNumerosYFechasDeVerdad) {
    prueba::PrestaPrueba p;
    const std::string ruta = p.carpeta.archivo("lista.xlsx");
    const prueba::SalidaCli s =
        prueba::ejecutarCli(p.carpeta.ruta(), "lista --modo 5 --formato xlsx --salida " + ruta);
    ASSERT_EQ(s.codigo, 0) << s.texto;
    const std::string hoja = salidaDe("unzip -p '" + ruta + "' xl/worksheets/sheet1.xml");
    const std::string estilos = salidaDe("unzip -p '" + ruta + "' xl/styles.xml");
    // Row 2: the row number 1 as a number, 1 March 2024 as the date serial 45352.
    EXPECT_NE(hoja.find("<c r=\"A2\"><v>1</v></c>"), std::string::npos) << hoja;
    const auto fecha = hoja.find("<c r=\"L2\" s=\"");
    ASSERT_NE(fecha, std::string::npos) << hoja;
    EXPECT_EQ(hoja.substr(hoja.find('>', fecha) + 1, 14), "<v>45352</v></");
    EXPECT_NE(estilos.find("formatCode=\"dd/mm/yyyy\""), std::string::npos);
    // The DNI stays text; the header is frozen and filtered.
    EXPECT_NE(hoja.find("<c r=\"B2\" t=\"inlineStr\"><is><t>1</t>"), std::string::npos);
    EXPECT_NE(hoja.find("<pane ySplit=\"1\""), std::string::npos);
    EXPECT_NE(hoja.find("<autoFilter ref=\"A1:N2\""), std::string::npos);

    EXPECT_EQ(prueba::ejecutarCli(p.carpeta.ruta(), "lista --modo 5 --formato xlsx").codigo, 1);
}

TEST(CliSalidas, PdfConTodasLasColumnasYElEncabezado) {
    prueba::PrestaPrueba p;
    const std::string ruta = p.carpeta.archivo("usuarios.pdf");
    const prueba::SalidaCli s = prueba::ejecutarCli(
        p.carpeta.ruta(),
        "buscar-usuarios --tipo Alumno --apellido Gomez --formato pdf --salida " + ruta);
    ASSERT_EQ(s.codigo, 0) << s.texto;
    const std::string texto = salidaDe("pdftotext -layout '" + ruta + "' -");
    for (const char* titulo :
         {"DNI", "Legajo", "Nombre", "Apellido", "Grado", "Tipo Usuario", "Título", "Temática",
          "Autor", "Inventario", "Fecha Prestamo", "Fecha Devolucion", "Devuelto", "Suspendido",
          "Búsqueda de usuarios", "Usuario: Alumno", "Apellido: Gomez", "Todo el período",
          "Página 1 de 1"}) {
        EXPECT_NE(texto.find(titulo), std::string::npos) << titulo << "\n" << texto;
    }
}

TEST(CliSalidas, RankingEnPdfConSuGrafico) {
    prueba::PrestaPrueba p;
    const std::string ruta = p.carpeta.archivo("ranking.pdf");
    const prueba::SalidaCli s = prueba::ejecutarCli(
        p.carpeta.ruta(), "ranking --agrupar usuario --formato pdf --salida " + ruta);
    ASSERT_EQ(s.codigo, 0) << s.texto;
    const std::string texto = salidaDe("pdftotext '" + ruta + "' -");
    EXPECT_NE(texto.find("Agrupado por usuario"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Página 2 de 2"), std::string::npos) << texto;
}
