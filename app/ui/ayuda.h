#pragma once

#include <string>

class Dialogos;

// "Archivo de ayuda": asks for the help command line and stores it in block
// "HELPFILE"; an empty answer or Cancel keeps the old one.
void archivoDeAyuda(const std::string& carpeta, Dialogos& dialogos);

// "Ayuda": starts the stored help command without waiting for it. A command
// that cannot start is reported with its number as the title.
void ejecutarAyuda(const std::string& carpeta, Dialogos& dialogos);
