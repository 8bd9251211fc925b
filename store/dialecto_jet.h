#pragma once

#include <string>
#include <string_view>

namespace store {

// Turns a statement written for the original engine into one SQLite runs.
// LEFT(...) is rewritten (SQLite cannot parse it: LEFT is a keyword);
// format(), date() and LIKE are functions the connection defines. A LIKE on a
// column with a fixed pattern or a fixed prefix also gets an equivalent
// comparison an index can answer. Text inside string literals and quoted
// names is never touched.
std::string traducirJet(std::string_view sql);

// The statement with its first FROM table read in the table's own order
// ("NOT INDEXED"); unchanged when it names no table. For a statement that
// needs nearly every row of the table: through an index the engine would look
// each row up on its own. The rows come in table order either way wherever
// the index finds them equal, so what groups or sorts stably is the same.
std::string enOrdenDeTabla(std::string_view sql);

} // namespace store
