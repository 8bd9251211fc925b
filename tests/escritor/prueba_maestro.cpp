#include "core/error.h"
#include "isis/codigo_pagina.h"
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/escritor/lector_crudo.h"
#include "tools/escritor/escritor_isis.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace {

std::string bytesAlAzar(std::mt19937& azar, std::size_t largo) {
    std::string s(largo, '\0');
    for (char& c : s) {
        c = static_cast<char>(azar() % 256);
    }
    return s;
}

TEST(MaestroIsis, MilesDeRegistrosAlAzarSeLeenByteAByte) {
    prueba::CarpetaTemporal carpeta;
    std::mt19937 azar(7);
    std::vector<escritor::Registro> esperados;
    escritor::EscritorIsis esc(carpeta.archivo("AZAR"),
                               {.codigoPagina = escritor::PaginaEscrita::SinConvertir});
    for (int i = 0; i < 4000; ++i) {
        escritor::Registro r;
        const int campos = static_cast<int>(azar() % 12);
        for (int k = 0; k < campos; ++k) {
            // Mostly short fields, now and then one long enough to span blocks.
            const std::size_t largo = azar() % 20 == 0 ? azar() % 3000 : azar() % 60;
            r.push_back({static_cast<int>(1 + azar() % 999), bytesAlAzar(azar, largo)});
        }
        ASSERT_EQ(esc.agregar(r), i + 1);
        esperados.push_back(std::move(r));
    }
    esc.cerrar();

    const crudo::Maestro m = crudo::leerMaestro(carpeta.archivo("AZAR"));
    ASSERT_EQ(m.siguienteMfn, 4001);
    int cruzanBloque = 0;
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        const crudo::Entrada& e = m.xrf[i];
        ASSERT_GT(e.valor, 0);
        EXPECT_FALSE(e.nuevo || e.pendiente);
        const crudo::Copia c = crudo::copiaEn(m.mst, e.posicion);
        ASSERT_EQ(c.campos.size(), esperados[i].size()) << "MFN " << i + 1;
        for (std::size_t k = 0; k < c.campos.size(); ++k) {
            EXPECT_EQ(c.campos[k].tag, esperados[i][k].tag);
            EXPECT_EQ(c.campos[k].texto, esperados[i][k].texto);
        }
        EXPECT_EQ(c.estado, 0);
        cruzanBloque += (c.posicion % 512) + std::abs(c.mfrl) > 512 ? 1 : 0;
    }
    EXPECT_GT(cruzanBloque, 100);
}

TEST(MaestroIsis, TextoEnCp850YEnWindows1252) {
    EXPECT_EQ(escritor::codificar("ñÑáéíóúÁÍÓÚü¿¡º", escritor::PaginaEscrita::Cp850),
              "\xA4\xA5\xA0\x82\xA1\xA2\xA3\xB5\xD6\xE0\xE9\x81\xA8\xAD\xA7");
    EXPECT_EQ(escritor::codificar("ñÑáÁ€", escritor::PaginaEscrita::Windows1252),
              "\xF1\xD1\xE1\xC1\x80");
    EXPECT_EQ(escritor::codificar("Año", escritor::PaginaEscrita::SinConvertir), "Año");
    try {
        escritor::codificar("100 €", escritor::PaginaEscrita::Cp850);
        FAIL() << "el euro no existe en CP850";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ArgumentoInvalido);
        EXPECT_NE(e.descripcion().find("U+20AC"), std::string::npos);
    }
}

// Every high byte the reader decodes is written back as the same byte.
TEST(MaestroIsis, CadaByteAltoVaYVuelveIgual) {
    for (const auto& [escrita, tipo] :
         {std::pair{escritor::PaginaEscrita::Cp850, isis::CodigoPagina::Tipo::Cp850},
          {escritor::PaginaEscrita::Windows1252, isis::CodigoPagina::Tipo::Windows1252}}) {
        const isis::CodigoPagina lector(tipo);
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string byte(1, static_cast<char>(b));
            EXPECT_EQ(escritor::codificar(lector.aUtf8(byte), escrita), byte) << b;
        }
    }
}

TEST(MaestroIsis, BaseVaciaComoLaDejaIsis) {
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis(carpeta.archivo("VACIA")).cerrar();
    const std::string mst = carpeta.leer("VACIA.MST");
    ASSERT_EQ(mst.size(), 512u);
    EXPECT_EQ(crudo::le32(mst, 4), 1);   // NXTMFN
    EXPECT_EQ(crudo::le32(mst, 8), 1);   // NXTMFB
    EXPECT_EQ(crudo::le16(mst, 12), 65); // NXTMFP, counted from 1
    const std::string xrf = carpeta.leer("VACIA.XRF");
    ASSERT_EQ(xrf.size(), 512u);
    EXPECT_EQ(crudo::le32(xrf, 0), -1);
    const crudo::Invertido inv = crudo::leerInvertido(carpeta.archivo("VACIA"));
    EXPECT_EQ(inv.niveles[0], -1);
    EXPECT_EQ(inv.niveles[1], -1);
    EXPECT_TRUE(inv.claves.empty());
}

TEST(MaestroIsis, RegistroQueNoCabeEsUnError) {
    prueba::CarpetaTemporal carpeta;
    escritor::EscritorIsis esc(carpeta.archivo("GRANDE"));
    try {
        esc.agregar({{10, std::string(40000, 'x')}});
        FAIL() << "un registro ISIS no pasa de 32767 bytes";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ArgumentoInvalido);
    }
    EXPECT_THROW(esc.agregar({{0, "sin etiqueta"}}), core::Error);
    EXPECT_EQ(esc.siguienteMfn(), 1);
}

// The states a reader meets in real files: new, pending with its back
// pointer, logically and physically deleted, locked, superseded copies.
class EstadosDeRegistro : public ::testing::Test {
protected:
    void SetUp() override {
        escritor::EscritorIsis esc(
            carpeta.archivo("ESTADOS"),
            {.fst = {{.id = 10, .tag = 10, .tecnica = escritor::Tecnica::Palabras}}});
        esc.agregar({{10, "uno viejo"}});       // 1: updated, inverted again
        esc.agregar({{10, "dos viejo"}});       // 2: updated, inversion pending
        esc.agregar({{10, "tres"}});            // 3: logically deleted
        esc.agregar({{10, "cuatro"}});          // 4: physically deleted
        esc.agregar({{10, "cinco"}});           // 5: locked
        esc.agregarSinInvertir({{10, "seis"}}); // 6: new
        esc.modificar(1, {{10, "uno nuevo"}});
        esc.modificar(2, {{10, "dos medio"}}, true);
        esc.modificar(2, {{10, "dos nuevo"}}, true);
        esc.borrar(3);
        esc.eliminar(4);
        esc.bloquear(5);
        esc.modificar(6, {{10, "seis bis"}}, true);
        EXPECT_THROW(esc.modificar(3, {{10, "x"}}), core::Error);
        esc.cerrar();
        m = crudo::leerMaestro(carpeta.archivo("ESTADOS"));
        inv = crudo::leerInvertido(carpeta.archivo("ESTADOS"));
    }

    std::vector<std::int32_t> mfns(const std::string& clave) const {
        for (const auto& [k, ps] : inv.claves) {
            if (k == clave) {
                std::vector<std::int32_t> r;
                for (const escritor::Posting& p : ps) {
                    r.push_back(p.mfn);
                }
                return r;
            }
        }
        return {};
    }
    std::string texto(std::int32_t mfn) const {
        return crudo::copiaEn(m.mst, m.xrf[static_cast<std::size_t>(mfn - 1)].posicion)
            .campos.at(0)
            .texto;
    }

    prueba::CarpetaTemporal carpeta;
    crudo::Maestro m;
    crudo::Invertido inv;
};

TEST_F(EstadosDeRegistro, ActualizadoEInvertidoDeNuevo) {
    EXPECT_EQ(texto(1), "uno nuevo");
    EXPECT_FALSE(m.xrf[0].pendiente);
    EXPECT_EQ(mfns("NUEVO"), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(mfns("VIEJO"), (std::vector<std::int32_t>{2})); // record 2's is still pending
    // The superseded copy is still in the file, before the current one.
    EXPECT_EQ(crudo::copiaEn(m.mst, 64).campos.at(0).texto, "uno viejo");
}

TEST_F(EstadosDeRegistro, PendienteApuntaALaCopiaInvertida) {
    EXPECT_TRUE(m.xrf[1].pendiente);
    EXPECT_EQ(m.xrf[1].valor & 1536, 512);
    const crudo::Copia actual = crudo::copiaEn(m.mst, m.xrf[1].posicion);
    EXPECT_EQ(actual.campos.at(0).texto, "dos nuevo");
    const std::int64_t atras =
        (actual.atrasBloque - 1) * std::int64_t{512} + actual.atrasDesplazamiento;
    EXPECT_EQ(crudo::copiaEn(m.mst, atras).campos.at(0).texto, "dos viejo");
    EXPECT_EQ(mfns("DOS"), (std::vector<std::int32_t>{2}));
    EXPECT_EQ(mfns("VIEJO"), (std::vector<std::int32_t>{2}));
    EXPECT_TRUE(mfns("MEDIO").empty());
}

TEST_F(EstadosDeRegistro, BorradoLogicoConservaDatosYPostings) {
    EXPECT_TRUE(m.xrf[2].borrado);
    EXPECT_LT(m.xrf[2].valor, 0);
    const crudo::Copia c = crudo::copiaEn(m.mst, m.xrf[2].posicion);
    EXPECT_EQ(c.estado, 1);
    EXPECT_EQ(c.campos.at(0).texto, "tres");
    EXPECT_EQ(mfns("TRES"), (std::vector<std::int32_t>{3}));
}

TEST_F(EstadosDeRegistro, BorradoFisicoSinDatosNiPostings) {
    EXPECT_EQ(m.xrf[3].valor, -2048);
    EXPECT_TRUE(mfns("CUATRO").empty());
}

TEST_F(EstadosDeRegistro, BloqueadoGuardaLargoNegativo) {
    const crudo::Copia c = crudo::copiaEn(m.mst, m.xrf[4].posicion);
    EXPECT_LT(c.mfrl, 0);
    EXPECT_EQ(c.campos.at(0).texto, "cinco");
}

TEST_F(EstadosDeRegistro, NuevoSinPostingsAunModificado) {
    EXPECT_TRUE(m.xrf[5].nuevo);
    EXPECT_FALSE(m.xrf[5].pendiente);
    EXPECT_EQ(texto(6), "seis bis");
    EXPECT_TRUE(mfns("SEIS").empty());
}

} // namespace
