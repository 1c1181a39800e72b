#pragma once

#include <QStringList>

namespace lumetra {

// Sorts ascending by the user's locale without regard to case; equal names keep their order.
void sortIgnoringCase(QStringList &names);

} // namespace lumetra
