#pragma once

#include <string>
#include <string_view>

// Turns a statement written for the original engine into one SQLite runs.
// Only LEFT(...) needs rewriting (SQLite cannot parse it: LEFT is a keyword);
// format(), date() and LIKE are functions the connection defines. Text inside
// string literals and quoted names is never touched.
std::string traducirJet(std::string_view sql);
