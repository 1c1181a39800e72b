#pragma once

#include <QLocale>
#include <QStringList>

#include <vector>

namespace lumetra {

class PackedStrings;

// The locale names are ordered by: the user's, or where that is C/POSIX (which orders by code point and puts
// "Äpfel" after "Zoo"), English, whose collation is the language-neutral root order.
QLocale collationLocale();

// Sorts ascending by collationLocale() without regard to case; equal names keep their order.
void sortIgnoringCase(QStringList &names);

// The positions of `names` in the order sortIgnoringCase gives them, for 100,000 names at once: every name is
// converted to UTF-16 once, and the sort runs on every core.
std::vector<int> orderIgnoringCase(const PackedStrings &names);

} // namespace lumetra
