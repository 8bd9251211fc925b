# `cpack -G DEB` in the build folder: one package, estadisticas, whose
# dependencies dpkg-shlibdeps computes from the two programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME estadisticas)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipo de Estadísticas de préstamos")
set(CPACK_PACKAGE_CONTACT "Equipo de Estadísticas de préstamos <estadisticas@biblioteca.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "estadísticas de préstamos para bibliotecas escolares")
set(CPACK_PACKAGE_DESCRIPTION
    "Lee las tres bases CDS/ISIS del sistema de préstamos de la biblioteca escolar
(préstamos, socios y catálogo), copia un registro por préstamo a un almacén
SQLite propio y ofrece rankings con gráficos, listas de préstamos, búsquedas,
impresión y la exportación XML de las estadísticas de la escuela. Nunca
escribe en las bases ISIS.

Incluye el programa de ventanas, estadisticas, y el comando sin pantalla
estadisticas-cli, para guiones y tareas programadas. La interfaz está en
castellano.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and buttons in Spanish; the program works without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
