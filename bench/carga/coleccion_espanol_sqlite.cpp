// Loadable sqlite3 extension registering the store's ESPANOL collation.
#include "store/coleccion_espanol.h"

#include <sqlite3ext.h>

// The table of sqlite3's functions that the calls below go through, as
// SQLITE_EXTENSION_INIT1 would define it, with nullptr for null.
const sqlite3_api_routines* sqlite3_api = nullptr;

namespace {
int comparar(void*, int la, const void* a, int lb, const void* b) {
    return store::compararEspanol(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(la)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lb)));
}
} // namespace

// sqlite3 looks the entry point up by this name when it loads the module.
extern "C" int sqlite3_extension_init(sqlite3*, char**, const sqlite3_api_routines*);

extern "C" int sqlite3_extension_init(sqlite3* db, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return sqlite3_create_collation(db, "ESPANOL", SQLITE_UTF8, nullptr, comparar);
}
