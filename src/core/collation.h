#pragma once

#include <QAnyStringView>
#include <QLocale>
#include <QStringList>

#include <vector>

namespace lumetra {

// The locale names are ordered by: the user's, or where that is C/POSIX (which orders by code point and puts
// "Äpfel" after "Zoo"), English, whose collation is the language-neutral root order.
QLocale collationLocale();

// Sorts ascending by collationLocale() without regard to case; equal names keep their order.
void sortIgnoringCase(QStringList &names);

// The positions of `names` in the order sortIgnoringCase gives them, for 100,000 names at once: one collation
// key per name, made on every core, and the keys sorted as bytes.
std::vector<int> orderIgnoringCase(const std::vector<QAnyStringView> &names);

} // namespace lumetra
