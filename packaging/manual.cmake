# The user manual. Each page of docs/manual/paginas/ is set in the frame of
# docs/manual/plantilla.html (head, style sheet, way back to the index),
# titled by its <h1>; a line "<!-- parte: NAME -->" takes the shared
# paragraph docs/manual/partes/NAME.html, and "<!-- ventana: NAME -->" names
# the window the page describes, kept as <meta name="ventana"> for the tests.
# The pages, the style sheet and the pictures go to share/estadisticas/manual
# beside build/bin, where "Ayuda" finds them when run from the build, and are
# installed into the same place beside bin/.
set(fuente_manual ${CMAKE_SOURCE_DIR}/docs/manual)
set(manual_construido ${CMAKE_BINARY_DIR}/share/estadisticas/manual)

function(armar_pagina_manual fuente destino)
    file(READ ${fuente} cuerpo)
    if(NOT cuerpo MATCHES "<h1>([^<]+)</h1>")
        message(FATAL_ERROR "${fuente}: la página no tiene título <h1>")
    endif()
    set(titulo "${CMAKE_MATCH_1}")
    set(ventana "")
    if(cuerpo MATCHES "<!-- ventana: ([A-Za-z_]+) -->\n")
        set(ventana "<meta name=\"ventana\" content=\"${CMAKE_MATCH_1}\">")
        string(REPLACE "${CMAKE_MATCH_0}" "" cuerpo "${cuerpo}")
    endif()
    while(cuerpo MATCHES "<!-- parte: ([a-z-]+) -->")
        set(marca "${CMAKE_MATCH_0}")
        set(parte ${fuente_manual}/partes/${CMAKE_MATCH_1}.html)
        if(NOT EXISTS ${parte})
            message(FATAL_ERROR "${fuente}: no existe la parte ${parte}")
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${parte})
        file(READ ${parte} texto_parte)
        string(REPLACE "${marca}" "${texto_parte}" cuerpo "${cuerpo}")
    endwhile()
    file(READ ${fuente_manual}/plantilla.html pagina)
    string(REPLACE "@TITULO@" "${titulo}" pagina "${pagina}")
    string(REPLACE "@VENTANA@" "${ventana}" pagina "${pagina}")
    string(REPLACE "@CUERPO@" "${cuerpo}" pagina "${pagina}")
    file(WRITE ${destino} "${pagina}")
endfunction()

# Built anew at every configuration, so a page removed from the sources
# leaves no copy behind.
file(REMOVE_RECURSE ${manual_construido})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${fuente_manual}/plantilla.html)
file(GLOB paginas_manual CONFIGURE_DEPENDS ${fuente_manual}/paginas/*.html)
foreach(pagina IN LISTS paginas_manual)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${pagina})
    get_filename_component(nombre ${pagina} NAME)
    armar_pagina_manual(${pagina} ${manual_construido}/${nombre})
endforeach()
file(GLOB capturas_manual CONFIGURE_DEPENDS ${fuente_manual}/capturas/*.png)
foreach(archivo IN LISTS capturas_manual ITEMS ${fuente_manual}/estilo.css)
    file(RELATIVE_PATH relativa ${fuente_manual} ${archivo})
    configure_file(${archivo} ${manual_construido}/${relativa} COPYONLY)
endforeach()
install(DIRECTORY ${manual_construido}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/estadisticas/manual)
