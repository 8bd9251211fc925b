// The reports' tables the load run fills beside presta: usuarios, one row
// per active member with a document, and ejemplares, one row per copy key
// of the catalogue.
#include "isis/carga/carga.h"
#include "tests/carga/entorno_carga.h"
#include "tests/carga/registros_carga.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

using prueba::Fila;
using Tipo = carga::ResultadoCarga::Tipo;

// Writes a database over the one BasesPrueba wrote, then deletes the
// records at `borrados` (MFNs), whose postings stay as ISIS leaves them.
void reescribir(const std::string& ruta, std::vector<escritor::LineaFst> fst,
                const std::vector<escritor::Registro>& registros,
                const std::vector<std::int32_t>& borrados = {}) {
    escritor::EscritorIsis escritor(ruta, {.fst = std::move(fst)});
    for (const escritor::Registro& r : registros) {
        escritor.agregar(r);
    }
    for (const std::int32_t mfn : borrados) {
        escritor.borrar(mfn);
    }
    escritor.cerrar();
}

const escritor::LineaFst PorInventario{.id = 1, .tag = 900, .prefijo = "I:"};

// The loan table's values of one row, by column, for comparing with a copy.
std::map<std::string, std::optional<std::string>> copiaDelPrestamo(const prueba::EntornoCarga& e,
                                                                   int fila) {
    std::map<std::string, std::optional<std::string>> r;
    for (const char* c : {"titulo", "autor", "tematica", "isbn"}) {
        r[c] = e.valor(fila, c);
    }
    return r;
}

TEST(TablasDeInformes, UnSocioPorRegistroActivoConDocumento) {
    prueba::EntornoCarga e; // today is 20240515
    prueba::BasesPrueba b = prueba::tresPrestamos();
    e.escribirBases(b);
    escritor::Registro sinDocumento = prueba::usuario("", "Sin documento", "");
    std::erase_if(sinDocumento, [](const escritor::Campo& c) { return c.tag == 20; });
    escritor::Registro conBlancos = {{10, "Primero"}, {10, "Segundo"}, {20, "  333  "},
                                     {30, "Docente"}, {70, ""},        {150, "20240515"}};
    reescribir(e.ruta("USUARIOS"), {{.id = 1, .tag = 20}},
               {b.usuarios[0], prueba::usuario("444", "Borrado", ""), sinDocumento, b.usuarios[1],
                conBlancos},
               {2});
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    // dni legajo apellido nombre tipo_usu grado direccion suspendido, in MFN order.
    const std::vector<Fila> esperadas{
        {"111", "L-7", "García", "Ana", "ALUMNO", "31", "Calle 1", std::nullopt},
        {"222", "L-7", "López", "Ana", "ALUMNO", "31", "Calle 1", "SI"},
        {"333", std::nullopt, "Primero", std::nullopt, "Docente", std::nullopt, std::nullopt,
         std::nullopt}};
    EXPECT_EQ(e.tabla("usuarios"), esperadas);
    // presta is completed exactly as before.
    EXPECT_EQ(e.valor(0, "apellido"), "García");
    EXPECT_EQ(e.valor(1, "suspendido"), "SI");
}

TEST(TablasDeInformes, UnEjemplarPorClaveDeInventarioDeUnRegistroVivo) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b = prueba::tresPrestamos();
    e.escribirBases(b);
    escritor::Registro dosCopias = prueba::ejemplar("100");
    dosCopias.push_back({900, "101"});
    const escritor::Registro viejo = {{245, "^aEdición vieja"}, {900, "300"}};
    const escritor::Registro nuevo = {
        {245, "^aEdición nueva"}, {100, "^aAutora, Una"}, {900, "300"}};
    reescribir(e.ruta("MARC"),
               // Title words are keys too, without the prefix: they are no copies.
               {PorInventario,
                {.id = 2, .tag = 245, .subcampo = 'a', .tecnica = escritor::Tecnica::Palabras}},
               {dosCopias,
                prueba::ejemplar("200"),
                viejo,
                nuevo,
                {{245, "^aSin copias"}},
                {{245, "^aMinúsculas"}, {900, "ab-1"}},
                prueba::ejemplar("500")},
               {2, 7});
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    const Fila cuentos{"Cuentos. Tomo 2. Selva", "Quiroga, Horacio   Peña, Ñandú", "Literatura",
                       "950-00-0001"};
    const auto copia = [](const std::string& inventario, Fila datos) {
        datos.insert(datos.begin(), inventario);
        return datos;
    };
    // Keys in the dictionary's order; 200 and 500 only reach deleted records;
    // 300 is the record of its last posting; the key is upper case.
    const std::vector<Fila> esperadas{
        copia("100", cuentos),
        copia("101", cuentos),
        {"300", "Edición nueva", "Autora, Una", std::nullopt, std::nullopt},
        {"AB-1", "Minúsculas", std::nullopt, std::nullopt, std::nullopt}};
    EXPECT_EQ(e.tabla("ejemplares"), esperadas);
    // The lent copy reads as the loan's title, author, subject and ISBN.
    const auto prestado = copiaDelPrestamo(e, 0);
    EXPECT_EQ(prestado.at("titulo"), cuentos[0]);
    EXPECT_EQ(prestado.at("autor"), cuentos[1]);
    EXPECT_EQ(prestado.at("tematica"), cuentos[2]);
    EXPECT_EQ(prestado.at("isbn"), cuentos[3]);
}

TEST(TablasDeInformes, SinArchivoInvertidoLosEjemplaresSalenDeLaTablaDeCampos) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b = prueba::tresPrestamos();
    b.marc.push_back({{245, "^aNunca prestado"}, {900, "700"}, {900, "701"}});
    e.escribirBases(b);
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    const auto conInvertido = e.tabla("ejemplares");
    ASSERT_EQ(conInvertido.size(), 4u);
    for (const char* ext : {".CNT", ".N01", ".L01", ".N02", ".L02", ".IFP"}) {
        std::filesystem::remove(e.ruta(std::string("MARC") + ext));
    }
    ASSERT_EQ(carga::CargarDatos(e.ctx).tipo, Tipo::Exito);
    EXPECT_EQ(e.tabla("ejemplares"), conInvertido);
    EXPECT_EQ(e.valor(1, "titulo"), "Cuentos. Tomo 2. Selva");
}

TEST(TablasDeInformes, LaBarraCuentaLaLecturaDeSociosYEjemplares) {
    prueba::EntornoCarga e;
    e.escribirBases(prueba::tresPrestamos());
    std::vector<std::string> etapas;
    std::map<std::string, std::pair<int, int>> valores; // first and last value of each stage
    int maximo = 0;
    int anterior = 0;
    bool retrocedio = false;
    ASSERT_EQ(carga::CargarDatos(e.ctx,
                                 [&](const std::string& etiqueta, int max, int valor) {
                                     if (etapas.empty() || etapas.back() != etiqueta) {
                                         etapas.push_back(etiqueta);
                                         valores[etiqueta] = {valor, valor};
                                     }
                                     valores[etiqueta].second = valor;
                                     retrocedio |= valor < anterior && valor != 0;
                                     anterior = valor;
                                     maximo = max;
                                 })
                  .tipo,
              Tipo::Exito);
    EXPECT_EQ(etapas, (std::vector<std::string>{
                          "Cargando datos de prestamos", "Cargando datos de usuarios",
                          "Cargando datos bibliograficos", "Cargando socios y ejemplares",
                          "Cargando datos a la base", "Cargando socios y ejemplares a la base"}));
    // Three loans: a share of the bar for each of the five steps.
    EXPECT_EQ(maximo, 5 * 3 + 10);
    EXPECT_FALSE(retrocedio);
    const auto [desde, hasta] = valores.at("Cargando socios y ejemplares");
    EXPECT_EQ(hasta - desde, 3);
    EXPECT_EQ(valores.at("Cargando socios y ejemplares a la base").second, maximo);
}

} // namespace

namespace {

// A member record no loan leads to is read only for the reports' table, once
// every presta row is final and may already be in the store: when it cannot
// be read the run still fails whole, and the three tables and the loan total
// keep what they held.
TEST(TablasDeInformes, UnSocioIlegibleFallaLaCargaAunqueYaSeEscribieraPresta) {
    prueba::EntornoCarga e;
    prueba::BasesPrueba b = prueba::tresPrestamos();
    // Enough loans for the writer to take them in several parts.
    for (int i = 0; i < 2500; ++i) {
        b.prestamos.push_back(prueba::prestamo(i % 2 ? "100" : "200", "111"));
    }
    // Members enough for opening the database to read only the first ones.
    for (int i = 0; i < 1500; ++i) {
        b.usuarios.push_back(prueba::usuario(std::to_string(5000 + i), std::string(60, 'x'), ""));
    }
    b.usuarios.push_back(prueba::usuario("888777", "Zzyzx", ""));
    e.escribirBases(b);
    e.sembrarPresta(6);
    e.sembrarInformes(4);
    e.ctx.TotalPrestamos = 6;
    const auto presta = e.presta();
    const auto usuarios = e.tabla("usuarios");
    const auto ejemplares = e.tabla("ejemplares");
    // The master file ends inside that last member's record.
    const std::string mst = e.ruta("USUARIOS.MST");
    const std::size_t marca = [&] {
        std::ifstream archivo(mst, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(archivo), {}).rfind("Zzyzx");
    }();
    ASSERT_NE(marca, std::string::npos);
    std::filesystem::resize_file(mst, marca + 2);

    const carga::ResultadoCarga r = carga::CargarDatos(e.ctx);
    ASSERT_EQ(r.tipo, Tipo::Error);
    EXPECT_EQ(r.error->numero(), core::Error::ErrorIsis);
    EXPECT_NE(r.error->descripcion().find("USUARIOS.MST"), std::string::npos)
        << r.error->descripcion();
    EXPECT_EQ(e.presta(), presta);
    EXPECT_EQ(e.tabla("usuarios"), usuarios);
    EXPECT_EQ(e.tabla("ejemplares"), ejemplares);
    EXPECT_EQ(e.ctx.TotalPrestamos, 6);
    EXPECT_EQ(e.archivosIsisAbiertos(), std::vector<std::string>{});
}

} // namespace
