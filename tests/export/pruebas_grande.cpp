// A large export written the fast way (two connections, the overdue loans
// set apart) must be the very file the plain way writes: every statement on
// the program's connection over the whole table, as it does while it holds
// a transaction of its own.
#include "tests/export/exportacion_prueba.h"

#include "export/sentencias_exportacion.h"
#include "store/almacen.h"
#include "store/base_datos.h"

#include <cstdint>

namespace {

class ExportacionGrande : public prueba::ExportacionPrueba {
protected:
    // Deterministic rows with every kind of value that groups together in
    // the store while its bytes differ (case variants of titles, names,
    // subjects, member types), empty and missing grades, grades that share
    // a level-grade pair, returned, open and overdue loans, and tied counts.
    void llenar() {
        std::uint32_t semilla = 12345;
        const auto azar = [&semilla](std::uint32_t n) {
            semilla = semilla * 1103515245u + 12345u;
            return (semilla >> 16) % n;
        };
        const char* const grados[] = {"1.3a", "1.3b", "1.3", "2.1", "0.0", "6.3", "3.4x", ""};
        const char* const tipos[] = {"Alumno", "alumno",    "Docente",
                                     "Curso",  "Dirección", "O'Neill"};
        const char* const temas[] = {"Literatura", "LITERATURA", "Ciencia",
                                     "Arte d'hoy", "Geografía",  "Historia"};
        const char* const nombres[] = {"Ana", "ANA", "Luis", "Eva", "Iván"};
        std::vector<prueba::Fila> filas;
        for (int i = 0; i < 4000; ++i) {
            const std::uint32_t libro = azar(200);
            const std::string titulo =
                (azar(4) == 0 ? "TÍTULO " : "Título ") + std::to_string(libro);
            const std::uint32_t socio = azar(300);
            const std::string dni = (azar(5) == 0 ? "AB" : "ab") + std::to_string(socio);
            const std::uint32_t grado = azar(9);
            const std::uint32_t estado = azar(4);
            const std::string prestado =
                "2024" + std::string(azar(2) ? "02" : "03") + "1" + std::to_string(azar(10));
            filas.push_back(
                {dni, nombres[azar(5)], "Apellido " + std::to_string(socio % 50),
                 grado < 8 ? prueba::Valor(grados[grado]) : std::nullopt, tipos[azar(6)], titulo,
                 libro % 7 == 0 ? std::nullopt : prueba::Valor("isbn-" + std::to_string(libro)),
                 temas[libro % 6], "Autor " + std::to_string(libro % 30),
                 estado == 0   ? prueba::Valor("20240301")
                 : estado == 1 ? prueba::Valor("")
                               : std::nullopt,
                 prestado, estado == 3 ? "20240401" : "2024030" + std::to_string(azar(9) + 1)});
        }
        // One overdue title under two spellings in two grades of the pair
        // 1.3, the later row in the grade that sorts first: the row whose
        // spelling the group shows depends on the order the rows are read in.
        for (int i = 0; i < 10; ++i) {
            for (const auto& [titulo, grado] :
                 {std::pair{"FICCIONES ÚNICAS", "1.3b"}, std::pair{"Ficciones únicas", "1.3a"}}) {
                filas.push_back({"cd1", "Carla", "Díaz", grado, "Alumno", titulo, "isbn-u",
                                 "Literatura", "Borges", std::nullopt, "20240220", "20240301"});
            }
        }
        store::Transaccion escritura(*ctx.Conexion);
        prueba::agregarFilasPresta(ctx,
                                   {"dni", "nombre", "apellido", "grado", "tipo_usu", "titulo",
                                    "isbn", "tematica", "autor", "devuelto", "fecha_presta",
                                    "fecha_devolucion"},
                                   filas);
        escritura.confirmar();
        fijarCUE("123456789");
    }

    // The document written by the program's connection alone.
    std::string documentoSinAyuda(const exportacion::PeriodoExportacion& periodo = {}) {
        store::Transaccion propia(*ctx.Conexion);
        return documento(periodo);
    }
};

TEST_F(ExportacionGrande, ElMismoDocumentoQueSobreLaTablaEntera) {
    llenar();
    const std::string rapido = documento();
    EXPECT_EQ(rapido, documentoSinAyuda());
    // The data reach every section: the overdue title leads its grade's list.
    const std::string n13 = bloque(bloque(rapido, "LibrosMorosos"), "RankingN13");
    EXPECT_NE(n13.find("<ISBN>isbn-u</ISBN>"), std::string::npos) << n13;
    EXPECT_NE(bloque(bloque(rapido, "Morosos"), "Tipos").find("<Tipo>O'Neill</Tipo>"),
              std::string::npos);
    // With a period the filter joins every statement on both ways alike.
    const exportacion::PeriodoExportacion marzo{2024y / 3 / 1, 2024y / 3 / 15};
    const std::string conPeriodo = documento(marzo);
    EXPECT_NE(conPeriodo, rapido);
    EXPECT_EQ(conPeriodo, documentoSinAyuda(marzo));
}

// The whole-table sections read presta in its order instead of through the
// index the engine picks: every statement must give the very rows either way,
// including which spelling a group of case variants shows.
TEST_F(ExportacionGrande, LeerLaTablaEnSuOrdenDaLasMismasFilas) {
    llenar();
    const exportacion::SentenciasExportacion s("");
    std::vector<std::string> sentencias{s.L1(), s.U1(), s.L7()};
    for (const char* tipo : {"Alumno", "alumno", "Docente", "O'Neill"}) {
        sentencias.insert(sentencias.end(), {s.L8(tipo), s.U8(tipo), s.U9(tipo)});
    }
    for (const std::string& sql : sentencias) {
        const auto porIndice = prueba::filasDe(ctx, sql);
        const auto enOrden = prueba::filasDe(*store::EjecutarConsultaEnOrdenDeTabla(ctx, sql));
        EXPECT_EQ(ctx.TextoSql, sql);
        EXPECT_FALSE(porIndice.empty()) << sql;
        EXPECT_EQ(enOrden, porIndice) << sql;
    }
}

} // namespace
