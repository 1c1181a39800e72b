#pragma once

#include <QLocale>
#include <QStringList>

namespace lumetra {

// The locale names are ordered by: the user's, or where that is C/POSIX (which orders by code point and puts
// "Äpfel" after "Zoo"), English, whose collation is the language-neutral root order.
QLocale collationLocale();

// Sorts ascending by collationLocale() without regard to case; equal names keep their order.
void sortIgnoringCase(QStringList &names);

} // namespace lumetra
