#include "core/archivo_ini.h"
#include "core/error.h"
#include "tests/apoyo/carpeta_temporal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

TEST(ArchivoIni, SinArchivoTodoVacioYGrabarCreaSoloSuSeccion) {
    prueba::CarpetaTemporal c;
    core::Archivo_Ini ini(c.ruta());
    EXPECT_TRUE(ini.Cargar("LINK"));
    EXPECT_TRUE(ini.Cargar("INICIO"));
    EXPECT_TRUE(ini.Cargar("HELPFILE"));
    EXPECT_EQ(ini.RutaPresta + ini.RutaUsua + ini.RutaMarc + ini.CUE + ini.Process, "");
    ini.CUE = "123456789";
    ini.Grabar("INICIO");
    EXPECT_EQ(c.leer("configuracion.ini"), "[Inicio]\nCUE=123456789\n");
}

TEST(ArchivoIni, BloqueSinMayusculasYBloqueDesconocido) {
    prueba::CarpetaTemporal c;
    c.escribir("configuracion.ini", "[link]\nrutapresta = /a/PRESTA.MST \nRutaUsua=/a/U.MST\n");
    core::Archivo_Ini ini(c.ruta());
    ini.RutaMarc = "previo";
    ini.Cargar("link");
    EXPECT_EQ(ini.RutaPresta, "/a/PRESTA.MST");
    EXPECT_EQ(ini.RutaUsua, "/a/U.MST");
    EXPECT_EQ(ini.RutaMarc, "");
    ini.CUE = "sin tocar";
    EXPECT_TRUE(ini.Cargar("OTRO"));
    EXPECT_EQ(ini.CUE, "sin tocar");
    ini.Grabar("OTRO");
    EXPECT_EQ(c.leer("configuracion.ini"),
              "[link]\nrutapresta = /a/PRESTA.MST \nRutaUsua=/a/U.MST\n");
}

TEST(ArchivoIni, ValorLargoSeLeeCortadoA254) {
    prueba::CarpetaTemporal c;
    core::Archivo_Ini ini(c.ruta());
    ini.Process = std::string(300, 'x');
    ini.Grabar("HELPFILE");
    core::Archivo_Ini otro(c.ruta());
    otro.Cargar("HELPFILE");
    EXPECT_EQ(otro.Process, std::string(254, 'x'));
    EXPECT_NE(c.leer("configuracion.ini").find(std::string(300, 'x')), std::string::npos);
}

TEST(ArchivoIni, GrabarReemplazaEnSuLugarYConservaLoDemas) {
    prueba::CarpetaTemporal c;
    c.escribir("configuracion.ini", "; comentario\r\n[Inicio]\r\nCUE=111\r\n\r\n[Link]\r\n"
                                    "RutaPresta=/viejo/P.MST\r\nOtra=1\r\n\r\n[HelpFile]\r\n"
                                    "Process=ayuda\r\n");
    core::Archivo_Ini ini(c.ruta());
    ini.Cargar("LINK");
    ini.RutaPresta = "/nuevo/P.MST";
    ini.Grabar("LINK");
    EXPECT_EQ(c.leer("configuracion.ini"),
              "; comentario\r\n[Inicio]\r\nCUE=111\r\n\r\n[Link]\r\nRutaPresta=/nuevo/P.MST\r\n"
              "Otra=1\r\nRutaUsua=\r\nRutaMarc=\r\n\r\n[HelpFile]\r\nProcess=ayuda\r\n");
}

TEST(ArchivoIni, EspaciosSeRecortanAlLeer) {
    prueba::CarpetaTemporal c;
    core::Archivo_Ini ini(c.ruta());
    ini.Process = "  xdg-open manual.pdf  ";
    ini.Grabar("HELPFILE");
    ini.Cargar("HELPFILE");
    EXPECT_EQ(ini.Process, "xdg-open manual.pdf");
    ini.Process = "ñandú — ayuda";
    ini.Grabar("HelpFile");
    core::Archivo_Ini otro(c.ruta());
    otro.Cargar("helpfile");
    EXPECT_EQ(otro.Process, "ñandú — ayuda");
}

TEST(ArchivoIni, UnaMarcaDeOrdenDeBytesAntesDeLaPrimeraSeccionSeIgnoraYSeConserva) {
    prueba::CarpetaTemporal c;
    c.escribir("configuracion.ini", "\xEF\xBB\xBF[Link]\r\nRutaPresta=/a/P.MST\r\n");
    core::Archivo_Ini ini(c.ruta());
    ini.Cargar("LINK");
    EXPECT_EQ(ini.RutaPresta, "/a/P.MST");
    ini.RutaUsua = "/a/U.MST";
    ini.Grabar("LINK");
    EXPECT_EQ(c.leer("configuracion.ini"),
              "\xEF\xBB\xBF[Link]\r\nRutaPresta=/a/P.MST\r\nRutaUsua=/a/U.MST\r\nRutaMarc=\r\n");
}

TEST(ArchivoIni, UnArchivoQueEsUnFifoSeLeeVacioSinEsperar) {
    prueba::CarpetaTemporal c;
    ASSERT_EQ(mkfifo(c.archivo("configuracion.ini").c_str(), 0600), 0);
    core::Archivo_Ini ini(c.ruta());
    ini.RutaPresta = "previo";
    std::packaged_task<bool()> tarea([&] { return ini.Cargar("LINK"); });
    std::future<bool> cargado = tarea.get_future();
    std::thread hilo(std::move(tarea));
    const bool termino = cargado.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    // Let each blocked open through so the thread ends.
    while (cargado.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        close(open(c.archivo("configuracion.ini").c_str(), O_WRONLY | O_NONBLOCK));
    }
    hilo.join();
    EXPECT_TRUE(termino);
    EXPECT_EQ(ini.RutaPresta, "");
    // Nor is it replaced by a file holding only the block saved.
    EXPECT_THROW(ini.Grabar("LINK"), core::Error);
    EXPECT_TRUE(std::filesystem::is_fifo(c.archivo("configuracion.ini")));
}

TEST(ArchivoIni, UnaGrabacionQueFallaPorDiscoLlenoDejaEnteraLaConfiguracionAnterior) {
    prueba::CarpetaTemporal c;
    const std::string anterior = "[Inicio]\r\nCUE=123456789\r\n[HelpFile]\r\nProcess=ayuda\r\n";
    c.escribir("configuracion.ini", anterior);
    // In a child process whose files cannot grow past a few bytes more: the
    // new, longer settings do not fit, as on a full disk.
    const pid_t hijo = fork();
    if (hijo == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{anterior.size() + 16, anterior.size() + 16};
        setrlimit(RLIMIT_FSIZE, &limite);
        core::Archivo_Ini ini(c.ruta());
        ini.Process = std::string(400, 'x');
        bool grabado = false;
        try {
            grabado = ini.Grabar("HELPFILE");
        } catch (const core::Error&) {
        }
        _exit(grabado ? 0 : 1);
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    EXPECT_EQ(WEXITSTATUS(estado), 1) << "la grabación fallida se informa";
    EXPECT_EQ(c.leer("configuracion.ini"), anterior);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(c.ruta()),
                            std::filesystem::directory_iterator()),
              1);
}
