#include "reports/listas_clasificacion.h"
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/escritor/lector_crudo.h"
#include "tools/escritor/pagina_escrita.h"
#include "tools/generar_demo/generador_demo.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Campos = std::multimap<int, std::string>;

std::vector<Campos> registros(const std::string& ruta) {
    const crudo::Maestro m = crudo::leerMaestro(ruta);
    std::vector<Campos> r;
    for (const crudo::Entrada& e : m.xrf) {
        Campos c;
        for (const escritor::CampoCrudo& f : crudo::copiaEn(m.mst, e.posicion).campos) {
            c.emplace(f.tag, f.texto);
        }
        r.push_back(std::move(c));
    }
    return r;
}

std::map<std::string, std::vector<std::int32_t>> indice(const std::string& ruta) {
    std::map<std::string, std::vector<std::int32_t>> r;
    for (const auto& [clave, ps] : crudo::leerInvertido(ruta).claves) {
        for (const escritor::Posting& p : ps) {
            r[clave].push_back(p.mfn);
        }
    }
    return r;
}

std::string campo(const Campos& c, int tag) {
    const auto it = c.find(tag);
    return it == c.end() ? std::string() : it->second;
}

class DemoGenerada : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        carpeta = new prueba::CarpetaTemporal;
        demo::generarDemo({.carpeta = carpeta->ruta(),
                           .prestamos = 3000,
                           .semilla = 5,
                           .hoy = std::chrono::year{2026} / 10 / 15});
        prestamos = registros(carpeta->archivo("PRESTA"));
        usuarios = registros(carpeta->archivo("USUARIOS"));
        catalogo = registros(carpeta->archivo("MARC"));
    }
    static void TearDownTestSuite() { delete carpeta; }

    static inline prueba::CarpetaTemporal* carpeta = nullptr;
    static inline std::vector<Campos> prestamos, usuarios, catalogo;
};

TEST_F(DemoGenerada, CadaPrestamoEncuentraSuUsuarioYSuEjemplar) {
    ASSERT_EQ(prestamos.size(), 3000u);
    const auto porDni = indice(carpeta->archivo("USUARIOS"));
    const auto porInventario = indice(carpeta->archivo("MARC"));
    int sinUsuario = 0, encontrados = 0;
    for (const Campos& p : prestamos) {
        const std::string dni = campo(p, 20);
        const auto it = porDni.find(dni);
        if (it == porDni.end()) {
            ++sinUsuario;
        } else {
            ++encontrados;
            EXPECT_EQ(campo(usuarios.at(static_cast<std::size_t>(it->second.at(0) - 1)), 20), dni);
        }
        const std::string inventario = campo(p, 10);
        const auto copia = porInventario.find("I:" + inventario);
        ASSERT_NE(copia, porInventario.end()) << inventario;
        ASSERT_EQ(copia->second.size(), 1u);
        const Campos& libro = catalogo.at(static_cast<std::size_t>(copia->second[0] - 1));
        const auto [desde, hasta] = libro.equal_range(demo::kTagInventario);
        EXPECT_TRUE(
            std::any_of(desde, hasta, [&](const auto& f) { return f.second == inventario; }));
        EXPECT_EQ("^a" + campo(p, 40), campo(libro, 659).empty() ? "^a" : campo(libro, 659));
    }
    // A few loans lack a member or name an unknown one, as real data does.
    EXPECT_GT(sinUsuario, 0);
    EXPECT_LT(sinUsuario, 150);
}

TEST_F(DemoGenerada, VocabularioDeLosFiltros) {
    std::map<std::string, int> tipos;
    std::set<char> niveles;
    int conPunto = 0;
    for (const Campos& u : usuarios) {
        ++tipos[campo(u, 30)];
        const std::string g = campo(u, 70);
        ASSERT_TRUE((g.size() == 2 && isdigit(g[1])) || (g.size() == 3 && g[1] == '.')) << g;
        niveles.insert(g[0]);
        conPunto += g.size() == 3 ? 1 : 0;
    }
    std::set<std::string> esperados;
    for (std::size_t i = 1; i < reports::listas::TiposUsuario().size(); ++i) {
        esperados.insert(escritor::codificar(reports::listas::TiposUsuario()[i],
                                             escritor::PaginaEscrita::Cp850));
    }
    for (const auto& [t, n] : tipos) {
        EXPECT_TRUE(esperados.count(t)) << t;
    }
    EXPECT_EQ(tipos.size(), 6u);
    EXPECT_GT(tipos["Alumno"] * 2, static_cast<int>(usuarios.size()));
    EXPECT_EQ(niveles, (std::set<char>{'0', '1', '2', '3', '4', '5', '6', '7', '8'}));
    EXPECT_GT(conPunto, 0);
    EXPECT_LT(conPunto * 4, static_cast<int>(usuarios.size()));

    std::set<std::string> tematicas;
    for (std::size_t i = 1; i < reports::listas::Tematicas().size(); ++i) {
        tematicas.insert("^a" + escritor::codificar(reports::listas::Tematicas()[i],
                                                    escritor::PaginaEscrita::Cp850));
    }
    ASSERT_EQ(tematicas.size(), 60u);
    for (const Campos& c : catalogo) {
        const std::string t = campo(c, 659);
        EXPECT_TRUE(t.empty() || tematicas.count(t)) << t;
    }
    // Names carry ñ and accents in code page 850.
    const std::string mst = crudo::leerArchivo(carpeta->archivo("USUARIOS.MST"));
    EXPECT_NE(mst.find("Mu\xA4oz"), std::string::npos);
    EXPECT_NE(mst.find("Mar\xA1"
                       "a"),
              std::string::npos);
}

TEST_F(DemoGenerada, PrestamosDeDosCiclosHastaHoy) {
    int fuera = 0, vencidos = 0, tarde = 0, renovados = 0;
    std::string primero = "99999999", ultimo;
    for (const Campos& p : prestamos) {
        const std::string prestado = campo(p, 60), vence = campo(p, 50), vuelta = campo(p, 70);
        ASSERT_EQ(prestado.size(), 8u);
        primero = std::min(primero, prestado);
        ultimo = std::max(ultimo, prestado);
        EXPECT_GT(vence, prestado);
        if (vuelta.empty()) {
            ++fuera;
            vencidos += vence < "20261015" ? 1 : 0;
        } else {
            EXPECT_LE(vuelta, "20261015");
            EXPECT_GE(vuelta, prestado);
            tarde += vuelta > vence ? 1 : 0;
        }
        renovados += campo(p, 130) != "0" ? 1 : 0;
    }
    EXPECT_LE(ultimo, "20261015");
    EXPECT_GE(primero, "20241015");
    EXPECT_LT(primero, "20250601");
    for (int n : {fuera, vencidos, tarde, renovados}) {
        EXPECT_GT(n, 30);
        EXPECT_LT(n, 1500);
    }
}

// The reports of members without loans and copies without use have rows to
// show, and the overdue follow-up has loans.
TEST_F(DemoGenerada, SociosQueNuncaRetiranYEjemplaresQueNuncaSalen) {
    std::set<std::string> deudores;
    std::set<std::string> prestados;
    for (const Campos& p : prestamos) {
        deudores.insert(campo(p, 20));
        const auto [desde, hasta] = p.equal_range(10);
        for (auto it = desde; it != hasta; ++it) {
            prestados.insert(it->second);
        }
    }
    int sinPrestamos = 0;
    for (const Campos& u : usuarios) {
        sinPrestamos += deudores.count(campo(u, 20)) == 0 ? 1 : 0;
    }
    int copias = 0;
    int sinUso = 0;
    for (const Campos& libro : catalogo) {
        const auto [desde, hasta] = libro.equal_range(demo::kTagInventario);
        for (auto it = desde; it != hasta; ++it) {
            ++copias;
            sinUso += prestados.count(it->second) == 0 ? 1 : 0;
        }
    }
    // At least the twelfth and the tenth set aside, and never most of them.
    EXPECT_GE(sinPrestamos * 12, static_cast<int>(usuarios.size()) - 12);
    EXPECT_LT(sinPrestamos * 4, static_cast<int>(usuarios.size()));
    EXPECT_GE(sinUso * 10, copias - 10);
    EXPECT_LT(sinUso * 2, copias);
}

TEST(GeneradorDemo, MismaSemillaMismosBytes) {
    prueba::CarpetaTemporal a, b, c;
    const core::Fecha hoy = std::chrono::year{2026} / 3 / 2;
    demo::generarDemo({.carpeta = a.ruta(), .prestamos = 300, .semilla = 9, .hoy = hoy});
    demo::generarDemo({.carpeta = b.ruta(), .prestamos = 300, .semilla = 9, .hoy = hoy});
    demo::generarDemo({.carpeta = c.ruta(), .prestamos = 300, .semilla = 10, .hoy = hoy});
    for (const char* archivo : {"PRESTA.MST", "USUARIOS.IFP", "MARC.L02"}) {
        EXPECT_TRUE(a.leer(archivo) == b.leer(archivo)) << archivo;
    }
    EXPECT_FALSE(a.leer("PRESTA.MST") == c.leer("PRESTA.MST"));
}

} // namespace
