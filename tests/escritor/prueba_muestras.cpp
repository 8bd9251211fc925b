// Compares what the writer produces with databases that WinISIS wrote.
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/escritor/lector_crudo.h"
#include "tools/escritor/escritor_isis.h"

#include <gtest/gtest.h>

namespace {

std::string muestra() {
    return prueba::carpetaCompartida() + "/testdata/isis-real/winisis-bibl/BIBL";
}

escritor::Registro comoRegistro(const crudo::Copia& c) {
    escritor::Registro r;
    for (const escritor::CampoCrudo& f : c.campos) {
        r.push_back({f.tag, f.texto});
    }
    return r;
}

TEST(MuestrasReales, ElRecorridoCrudoAceptaLaBaseDeWinIsis) {
    const crudo::Maestro m = crudo::leerMaestro(muestra(), ".mst", ".XRF");
    EXPECT_EQ(m.siguienteMfn, 6);
    EXPECT_TRUE(m.xrf[2].borrado);
    EXPECT_TRUE(m.xrf[4].pendiente);
    const crudo::Invertido inv = crudo::leerInvertido(muestra());
    EXPECT_EQ(inv.claves.size(), 107u);
    EXPECT_EQ(inv.hojas[0], 8);
}

// The same keys and postings as the sample give the same postings file, byte
// for byte, and the same leaves wherever the sample's leaves are full.
TEST(MuestrasReales, MismasClavesDanElMismoInvertido) {
    const crudo::Invertido real = crudo::leerInvertido(muestra());
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis esc(carpeta.archivo("BIBL"),
                               {.codigoPagina = escritor::PaginaEscrita::SinConvertir});
    for (const auto& [clave, ps] : real.claves) {
        for (const escritor::Posting& p : ps) {
            esc.agregarClave(clave, p);
        }
    }
    esc.cerrar();
    const std::string carpetaReal =
        prueba::carpetaCompartida() + "/testdata/isis-real/winisis-bibl/";
    EXPECT_TRUE(carpeta.leer("BIBL.IFP") == crudo::leerArchivo(carpetaReal + "BIBL.IFP"));
    const std::string hojas = carpeta.leer("BIBL.L01");
    const std::string hojasReales = crudo::leerArchivo(carpetaReal + "BIBL.l01");
    EXPECT_EQ(hojas.substr(0, 6 * 192), hojasReales.substr(0, 6 * 192));
    EXPECT_EQ(carpeta.leer("BIBL.L02").substr(0, 2 * 392),
              crudo::leerArchivo(carpetaReal + "BIBL.l02").substr(0, 2 * 392));
    // The control records agree in everything but the leaf count and the
    // flag the manual calls ABNORMAL.
    const std::string cnt = carpeta.leer("BIBL.CNT");
    const std::string cntReal = crudo::leerArchivo(carpetaReal + "BIBL.CNT");
    EXPECT_EQ(cnt.substr(0, 20), cntReal.substr(0, 20));
    EXPECT_EQ(cnt.substr(26, 20), cntReal.substr(26, 20));
    // The root points at the leaves under the first key of each, the first blank.
    const std::string n01 = carpeta.leer("BIBL.N01");
    const std::string n01Real = crudo::leerArchivo(carpetaReal + "BIBL.N01");
    EXPECT_EQ(n01.substr(8, 7 * 14), n01Real.substr(8, 7 * 14));
}

// Replaying the sample's history (five records, then record 1 edited under a
// lock) lays the master file out byte for byte as WinISIS did.
TEST(MuestrasReales, MismaHistoriaDaElMismoMaestro) {
    const crudo::Maestro real = crudo::leerMaestro(muestra(), ".mst", ".XRF");
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis esc(carpeta.archivo("BIBL"),
                               {.codigoPagina = escritor::PaginaEscrita::SinConvertir});
    for (std::int64_t pos : {64, 648, 996, 1386, 1778}) {
        esc.agregar(comoRegistro(crudo::copiaEn(real.mst, pos)));
    }
    esc.bloquear(1);
    esc.bloquear(3);
    esc.bloquear(5);
    esc.modificar(1, comoRegistro(crudo::copiaEn(real.mst, real.xrf[0].posicion)));
    esc.modificar(5, comoRegistro(crudo::copiaEn(real.mst, real.xrf[4].posicion)), true);
    esc.cerrar();

    const crudo::Maestro m = crudo::leerMaestro(carpeta.archivo("BIBL"));
    EXPECT_EQ(m.mst.substr(64, 2882 - 64), real.mst.substr(64, 2882 - 64));
    for (std::size_t i : {0, 1, 3}) {
        EXPECT_EQ(m.xrf[i].valor, real.xrf[i].valor) << "MFN " << i + 1;
    }
    // The pending copy points back to the copy the inverted file describes.
    const crudo::Copia pendiente = crudo::copiaEn(m.mst, m.xrf[4].posicion);
    const crudo::Copia pendienteReal = crudo::copiaEn(real.mst, real.xrf[4].posicion);
    EXPECT_EQ(pendiente.atrasBloque, pendienteReal.atrasBloque);
    EXPECT_EQ(pendiente.atrasDesplazamiento, pendienteReal.atrasDesplazamiento);
    EXPECT_EQ(m.xrf[4].valor & 1536, real.xrf[4].valor & 1536);
}

} // namespace
