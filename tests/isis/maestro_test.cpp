#include "core/error.h"
#include "tests/isis/apoyo_isis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

int activos(const isis::ArchivoMaestro& m) {
    int n = 0;
    isis::Registro r;
    for (std::int32_t mfn = 1; mfn < m.siguienteMfn(); ++mfn) {
        m.leer(mfn, r);
        n += r.borrado ? 0 : 1;
    }
    return n;
}

std::string campo(const isis::BaseAbierta& b, std::int32_t mfn, std::int32_t tag,
                  int ocurrencia = 1) {
    isis::Registro r;
    b.maestro().leer(mfn, r);
    for (const isis::Campo& c : r.campos) {
        if (c.tag == tag && --ocurrencia == 0) {
            return b.codigo().aUtf8(c.texto);
        }
    }
    return "<ninguno>";
}

struct Muestra {
    const char* base;
    int activos;
    int ultimoMfn;
    int leader;
    int desplazamiento;
};

class CadaMuestra : public testing::TestWithParam<Muestra> {};

TEST_P(CadaMuestra, LeeTodosLosRegistrosConSuDiseno) {
    const Muestra& m = GetParam();
    const auto b = prueba::abrirMuestra(m.base);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->maestro().siguienteMfn() - 1, m.ultimoMfn);
    EXPECT_EQ(activos(b->maestro()), m.activos);
    EXPECT_EQ(b->maestro().diseno().leader, m.leader);
    EXPECT_EQ(b->maestro().desplazamiento(), m.desplazamiento);
}

INSTANTIATE_TEST_SUITE_P(Muestras, CadaMuestra,
                         testing::Values(Muestra{"winisis-bibl/BIBL", 4, 5, 18, 0},
                                         Muestra{"isismarc-bibl/BIBL", 5, 5, 18, 0},
                                         Muestra{"cisis-cds-aligned/cds", 150, 150, 20, 0},
                                         Muestra{"cisis-cds-packed/cds", 150, 150, 18, 0},
                                         Muestra{"cisis-cds-ffi/cdsffi", 156, 156, 24, 3},
                                         Muestra{"cisis-cds-shift6/CDS", 150, 150, 20, 6},
                                         Muestra{"cisis-lilacs/lilacs", 3225, 3225, 20, 0}));

TEST(Maestro, LosCamposSonLosQueEscribioCadaPrograma) {
    for (const char* base : {"cisis-cds-aligned/cds", "cisis-cds-packed/cds",
                             "cisis-cds-ffi/cdsffi", "cisis-cds-shift6/CDS"}) {
        EXPECT_EQ(campo(*prueba::abrirMuestra(base), 1, 24),
                  "Techniques for the measurement of transpiration of individual plants")
            << base;
    }
    const auto cds = prueba::abrirMuestra("cisis-cds-aligned/cds");
    EXPECT_THAT(campo(*cds, 28, 24), testing::StartsWith("Sur les caractéristiques texturales"));
    const auto winisis = prueba::abrirMuestra("winisis-bibl/BIBL");
    EXPECT_EQ(campo(*winisis, 1, 700), "^aHaynal^bAndré");
    EXPECT_EQ(campo(*winisis, 1, 990, 3), "HAY");
    const auto isismarc = prueba::abrirMuestra("isismarc-bibl/BIBL");
    EXPECT_THAT(campo(*isismarc, 1, 200), testing::StartsWith("^aControversies in psychoanalytic"));
    const auto lilacs = prueba::abrirMuestra("cisis-lilacs/lilacs");
    EXPECT_EQ(campo(*lilacs, 1, 12),
              "Características de la población consultante a un servicio de urgencia psiquiátrica");
    EXPECT_EQ(campo(*lilacs, 3225, 10), "Banta, David");
}

TEST(Maestro, UnRegistroBorradoSeLeeSinCampos) {
    const auto b = prueba::abrirMuestra("winisis-bibl/BIBL");
    isis::Registro r;
    b->maestro().leer(3, r);
    EXPECT_TRUE(r.borrado);
    EXPECT_TRUE(r.campos.empty());
    EXPECT_EQ(b->maestro().estado(3), isis::EstadoMfn::Borrado);
    EXPECT_FALSE(b->maestro().activo(3));
}

TEST(Maestro, UnRegistroConActualizacionPendienteSeLeeEnSuVersionNueva) {
    // The inverted file still describes the old copy, whose 225 is "^a".
    EXPECT_EQ(campo(*prueba::abrirMuestra("winisis-bibl/BIBL"), 5, 225),
              "^aMcGraw-Hill series in Psychology");
}

TEST(Maestro, MfnFueraDeRangoNoTieneCampos) {
    const auto b = prueba::abrirMuestra("cisis-cds-packed/cds");
    isis::Registro r;
    for (const std::int32_t mfn : {0, -1, 151, 1 << 30}) {
        b->maestro().leer(mfn, r);
        EXPECT_TRUE(r.borrado && r.campos.empty()) << mfn;
    }
}

TEST(Maestro, ArchivosFaltantesNoAbrenLaBase) {
    EXPECT_FALSE(isis::BaseAbierta::abrir(prueba::muestra("winisis-bibl/NOESTA")));
    prueba::CarpetaTemporal t;
    const std::string ruta = prueba::copiarMuestra(t, "winisis-bibl/BIBL");
    std::filesystem::remove(ruta + ".XRF");
    EXPECT_FALSE(isis::BaseAbierta::abrir(ruta));
}

TEST(Maestro, LosNombresSeEncuentranSinMirarMayusculas) {
    const std::string ruta = prueba::muestra("winisis-bibl/BIBL");
    std::string mayus = ruta;
    for (char& c : mayus) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const auto b = isis::BaseAbierta::abrir(mayus);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->maestro().siguienteMfn(), 6);
}

TEST(Maestro, UnMaestroVacioNoTieneRegistros) {
    prueba::CarpetaTemporal t;
    std::string control(64, '\0');
    control[4] = 1;   // next MFN 1
    control[8] = 1;   // last block 1
    control[12] = 65; // first free byte
    t.escribir("VACIA.MST", control + std::string(512 - 64, '\0'));
    t.escribir("VACIA.XRF", std::string("\xff\xff\xff\xff", 4) + std::string(508, '\0'));
    const auto b = isis::BaseAbierta::abrir(t.archivo("vacia"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->maestro().siguienteMfn(), 1);
}

// Each damaged copy must give an Error naming the damaged file, never a crash.
// Offsets: MFN 2's current copy starts at byte 648 of BIBL.mst.
struct Dano {
    const char* nombre;
    const char* archivo;
    const char* nombrado; // the file the error names
    void (*danar)(const std::string& archivo);
};

class ArchivoDanado : public testing::TestWithParam<Dano> {};

TEST_P(ArchivoDanado, DaUnErrorQueNombraElArchivo) {
    prueba::CarpetaTemporal t;
    const std::string ruta = prueba::copiarMuestra(t, "winisis-bibl/BIBL");
    const std::string archivo = ruta + GetParam().archivo;
    GetParam().danar(archivo);
    const std::string nombrado = ruta + GetParam().nombrado;
    try {
        const auto b = isis::BaseAbierta::abrir(ruta);
        ASSERT_TRUE(b);
        isis::Registro r;
        for (std::int32_t mfn = 1; mfn < b->maestro().siguienteMfn(); ++mfn) {
            b->maestro().leer(mfn, r);
        }
        FAIL() << "sin error";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ErrorIsis);
        EXPECT_THAT(e.descripcion(), testing::HasSubstr(nombrado));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Danos, ArchivoDanado,
    testing::Values(
        Dano{"maestro_truncado_a_la_mitad", ".mst", ".mst",
             [](const std::string& a) { prueba::truncar(a, 2048); }},
        Dano{"maestro_sin_registro_de_control", ".mst", ".mst",
             [](const std::string& a) { prueba::truncar(a, 20); }},
        Dano{"control_con_mfn_distinto_de_cero", ".mst", ".mst",
             [](const std::string& a) { prueba::sobrescribir(a, 0, "\x07"); }},
        Dano{"control_con_proximo_mfn_negativo", ".mst", ".mst",
             [](const std::string& a) {
                 prueba::sobrescribir(a, 4, std::string("\x00\x00\x00\x80", 4));
             }},
        Dano{"largo_de_registro_fuera_del_archivo", ".mst", ".mst",
             [](const std::string& a) { prueba::sobrescribir(a, 648 + 4, "\x7f\x7f"); }},
        Dano{"campo_fuera_de_su_registro", ".mst", ".mst",
             [](const std::string& a) { prueba::sobrescribir(a, 648 + 18 + 4, "\xff\x7f"); }},
        Dano{"cabecera_sin_formato_conocido", ".mst", ".mst",
             [](const std::string& a) { prueba::sobrescribir(a, 648 + 14, "\x55\x55"); }},
        Dano{"referencia_cruzada_con_bloque_mal_numerado", ".XRF", ".XRF",
             [](const std::string& a) {
                 prueba::sobrescribir(a, 0, std::string("\x05\x00\x00\x00", 4));
             }},
        Dano{"referencia_cruzada_apunta_al_bloque_cero", ".XRF", ".XRF",
             [](const std::string& a) {
                 prueba::sobrescribir(a, 8, std::string("\x40\x00\x00\x00", 4));
             }},
        Dano{"referencia_cruzada_apunta_fuera_del_maestro", ".XRF", ".mst",
             [](const std::string& a) {
                 prueba::sobrescribir(a, 8, std::string("\x40\x00\x10\x00", 4));
             }}),
    [](const testing::TestParamInfo<Dano>& i) { return std::string(i.param.nombre); });

} // namespace
