#include "core/error.h"
#include "isis/isis32.h"
#include "isis/modulo_isis.h"
#include "tests/isis/apoyo_isis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <thread>

namespace {

class Modulo : public testing::Test {
protected:
    void SetUp() override {
        isis.IniciarIsis(2);
        ruta = prueba::copiarMuestra(carpeta, "winisis-bibl/BIBL");
        base().Carpeta = carpeta.ruta() + "/";
        base().Nombre = "bibl.mst";
        isis.AbrirBase(base());
    }
    void TearDown() override { isis.CerrarIsis(); }
    isis::BaseIsis& base() { return isis.Bases[1]; }

    isis::ModuloIsis isis;
    prueba::CarpetaTemporal carpeta;
    std::string ruta;
};

TEST_F(Modulo, AbreLaBaseSinMirarMayusculasYSinExtension) {
    EXPECT_EQ(isis.Bases.size(), 3U);
    EXPECT_TRUE(isis.Avisos.empty());
    EXPECT_EQ(isis.UltimoMfn(base()), 5);
    isis::BaseIsis otra = base();
    otra.Nombre = "BIBL";
    otra.Espacio = isis.Bases[2].Espacio;
    isis.AbrirBase(otra);
    EXPECT_TRUE(isis.Avisos.empty());
    isis.LeerRegistro(otra, 1);
    EXPECT_EQ(isis.LeerCampo(otra, 700, 1), "^aHaynal^bAndré");
}

TEST_F(Modulo, LeerCampo) {
    isis.LeerRegistro(base(), 1);
    EXPECT_EQ(isis.LeerCampo(base(), 990, 2), "88");
    EXPECT_EQ(isis.LeerCampo(base(), 990, 4), "");
    EXPECT_EQ(isis.LeerCampo(base(), 991, 1), "^a8302");
    EXPECT_EQ(isis.LeerCampo(base(), 5, 1), "");
    // A deleted record reads without fields; the previous one is not kept.
    isis.LeerRegistro(base(), 3);
    EXPECT_EQ(isis.LeerCampo(base(), 1, 1), "");
    isis.LeerRegistro(base(), 99);
    EXPECT_EQ(isis.LeerCampo(base(), 1, 1), "");
}

TEST_F(Modulo, LeerCampoRecortaLosBlancos) {
    // MFN 2 starts at byte 648 with 16 fields: its data at 648 + 18 + 6 * 16,
    // field 1 first ("00000000000002", 14 bytes).
    prueba::sobrescribir(ruta + ".mst", 648 + 18 + 6 * 16, "  0000000002  ");
    isis.AbrirBase(base());
    isis.LeerRegistro(base(), 2);
    EXPECT_EQ(isis.LeerCampo(base(), 1, 1), "0000000002");
}

TEST_F(Modulo, FormatearConLosFormatosDeLaCarga) {
    isis.LeerRegistro(base(), 1);
    isis::IsisSpaPft(base().Espacio, "v700^b,|  |v702^b");
    EXPECT_EQ(isis.FormatearRegistro(base()), "André  Elizabeth");
    isis::IsisSpaPft(base().Espacio, "||v990");
    EXPECT_EQ(isis.FormatearRegistro(base()), "214088HAY");
    isis::IsisSpaPft(base().Espacio, "v999^a,");
    EXPECT_EQ(isis.FormatearRegistro(base()), "");
    EXPECT_TRUE(isis.Avisos.empty());
}

TEST_F(Modulo, FormatoNoAdmitidoDejaSuAviso) {
    isis.LeerRegistro(base(), 1);
    isis::IsisSpaPft(base().Espacio, "if p(v700) then v700 fi");
    EXPECT_EQ(isis.FormatearRegistro(base()), "");
    EXPECT_THAT(isis.Avisos, testing::ElementsAre("Hubo un error en el formato"));
}

TEST_F(Modulo, BuscarClaveLeeElUltimoPosting) {
    // 2140: MFN 1, 2, 3 (deleted) and 4.
    EXPECT_EQ(isis.BuscarClave(base(), "2140"), 4);
    EXPECT_EQ(isis.LeerCampo(base(), 1, 1), "00000000000004");
    EXPECT_EQ(isis.BuscarClave(base(), "  wortman  "), 5);
    // Absent key: 0, and the current record stays.
    EXPECT_EQ(isis.BuscarClave(base(), "NOESTA"), 0);
    EXPECT_EQ(isis.LeerCampo(base(), 1, 1), "00000000000005");
}

// The keys of a prefix with the record BuscarClave would read for each;
// keys that reach only deleted records (MFN 3) are left out.
TEST_F(Modulo, ClavesConPrefijo) {
    const auto claves = [&](const std::string& prefijo) {
        std::vector<std::pair<std::string, std::int32_t>> r;
        for (const auto& c : isis.ClavesConPrefijo(base(), prefijo)) {
            r.emplace_back(c.clave, c.mfn);
        }
        return r;
    };
    using Claves = std::vector<std::pair<std::string, std::int32_t>>;
    EXPECT_EQ(claves("8"), (Claves{{"8176", 4}, {"8300", 2}, {"8302", 1}, {"88", 1}, {"89", 2}}));
    EXPECT_EQ(claves("21"), (Claves{{"2100", 5}, {"2140", 4}}));
    // Keys longer than ten bytes live in the second tree.
    EXPECT_EQ(claves("fr"),
              (Claves{{"FREUD", 1}, {"FRO", 2}, {"FROM", 1}, {"FROSH", 2}, {"FROSH, STEPHEN", 2}}));
    EXPECT_EQ(claves("NOESTA"), Claves{});
    EXPECT_EQ(isis.BuscarClave(base(), "2100"), 5);
}

// A key written however a caller may write it is found among the walked keys
// exactly when BuscarClave finds it, and with the same record.
TEST_F(Modulo, ClaveBuscadaEsLaQueBuscarClaveBusca) {
    std::map<std::string, std::int32_t> recorridas;
    for (const auto& c : isis.ClavesConPrefijo(base(), "")) {
        recorridas.emplace(c.clave, c.mfn);
    }
    ASSERT_GT(recorridas.size(), 20u);
    const auto minusculas = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    std::size_t halladas = 0;
    for (const auto& [clave, mfn] : recorridas) {
        for (const std::string& escrita :
             {clave, minusculas(clave), "  " + minusculas(clave) + " \t",
              clave + std::string(40, 'X'), clave.substr(0, clave.size() / 2)}) {
            const auto hallada = recorridas.find(isis.ClaveBuscada(base(), escrita));
            const std::int32_t esperado = isis.BuscarClave(base(), escrita);
            EXPECT_EQ(hallada == recorridas.end() ? 0 : hallada->second, esperado) << escrita;
            halladas += esperado > 0 ? 1 : 0;
        }
    }
    // Most spellings name a key: the comparison is not between two misses.
    EXPECT_GT(halladas, 3 * recorridas.size());
}

TEST_F(Modulo, BuscarExpresion) {
    EXPECT_EQ(isis.BuscarExpresion(base(), "psychology + 2140"), 4);
    EXPECT_THAT(isis.ListaMfn, testing::ElementsAre(1, 2, 4, 5, 0));
    // Empty: 0 and the list stays as it was.
    EXPECT_EQ(isis.BuscarExpresion(base(), ""), 0);
    EXPECT_EQ(isis.ListaMfn.size(), 5U);
    EXPECT_EQ(isis.BuscarExpresion(base(), "NOESTA"), 0);
    EXPECT_THAT(isis.ListaMfn, testing::ElementsAre(0));
}

TEST_F(Modulo, BaseInexistente) {
    isis::BaseIsis& falta = isis.Bases[0];
    falta.Carpeta = carpeta.ruta() + "/";
    falta.Nombre = "noesta.mst";
    // A database read as empty would pass for one without records: the
    // failure names the file as it really is.
    try {
        isis.AbrirBase(falta);
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ErrorIsis);
        EXPECT_EQ(e.descripcion(), "No existe la base de datos " + carpeta.ruta() +
                                       "/noesta: falta el archivo " + carpeta.ruta() +
                                       "/noesta.MST");
    }
    EXPECT_TRUE(isis.Avisos.empty());
    EXPECT_EQ(isis.UltimoMfn(falta), 0);
    isis.LeerRegistro(falta, 1);
    EXPECT_EQ(isis.LeerCampo(falta, 1, 1), "");
    EXPECT_EQ(isis.BuscarClave(falta, "2140"), 0);
    EXPECT_EQ(isis.BuscarExpresion(falta, "2140"), 0);
}

// A term is one key of the inverted file, whatever signs of the search
// language it holds.
TEST_F(Modulo, BuscarTerminoEsUnaSolaClave) {
    EXPECT_EQ(isis.BuscarTermino(base(), "psychology"), 3);
    EXPECT_THAT(isis.ListaMfn, testing::ElementsAre(2, 4, 5, 0));
    EXPECT_EQ(isis.BuscarTermino(base(), "psychology + 2140"), 0);
    EXPECT_THAT(isis.ListaMfn, testing::ElementsAre(0));
    EXPECT_EQ(isis.BuscarTermino(base(), "psycholog$"), 0);
    EXPECT_EQ(isis.BuscarTermino(base(), "(2140"), 0);
}

TEST_F(Modulo, MaestroVacio) {
    prueba::CarpetaTemporal t;
    std::string control(512, '\0');
    control[4] = 1;
    control[8] = 1;
    t.escribir("VACIA.MST", control);
    t.escribir("VACIA.XRF", std::string("\xff\xff\xff\xff", 4) + std::string(508, '\0'));
    isis::BaseIsis& vacia = isis.Bases[0];
    vacia.Carpeta = t.ruta() + "/";
    vacia.Nombre = "vacia";
    isis.AbrirBase(vacia);
    EXPECT_TRUE(isis.Avisos.empty());
    EXPECT_EQ(isis.UltimoMfn(vacia), 0);
}

TEST_F(Modulo, IniciarDeNuevoConservaLasBases) {
    isis.CerrarIsis();
    isis.IniciarIsis(2);
    EXPECT_EQ(isis.Bases[1].Nombre, "bibl.mst");
    isis.AbrirBase(base());
    isis.LeerRegistro(base(), 2);
    EXPECT_EQ(isis.LeerCampo(base(), 10, 1), "^a0-8147-2595-3");
}

// A space used a moment ago and then deleted is gone for every call, on
// this thread and on another, while the spaces beside it still work.
TEST_F(Modulo, UnEspacioBorradoNoSeUsaMas) {
    const std::int32_t espacio = base().Espacio;
    isis.LeerRegistro(base(), 2);
    EXPECT_EQ(isis::IsisSpaPft(espacio, "v10"), 0);
    ASSERT_EQ(isis::IsisSpaDelete(espacio), 0);
    EXPECT_EQ(isis::IsisSpaPft(espacio, "v10"), -1);
    EXPECT_EQ(isis::IsisRecRead(espacio, 0, 2), -1);
    std::int32_t enOtroHilo = 0;
    std::thread([&] { enOtroHilo = isis::IsisSpaPft(espacio, "v10"); }).join();
    EXPECT_EQ(enOtroHilo, -1);
    isis::BaseIsis& otra = isis.Bases[2];
    otra.Carpeta = base().Carpeta;
    otra.Nombre = base().Nombre;
    isis.AbrirBase(otra);
    isis.LeerRegistro(otra, 2);
    EXPECT_EQ(isis.LeerCampo(otra, 10, 1), "^a0-8147-2595-3");
    // A space made after the deletion is a space of its own.
    const std::int32_t nuevo = isis::IsisSpaNew(isis.AplicacionIsis);
    EXPECT_NE(nuevo, espacio);
    EXPECT_EQ(isis::IsisRecRead(espacio, 0, 2), -1);
    EXPECT_EQ(isis::IsisSpaDelete(nuevo), 0);
}

} // namespace
