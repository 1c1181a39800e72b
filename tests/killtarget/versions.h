#pragma once

#include "core/settings.h"

// The two versions of the settings the kill-test child writes in turn, shared with the test that checks them.
namespace lumetra::killtest {

inline Settings settingsVersion(int n)
{
    Settings s;
    s.musicFolder = QStringLiteral("/music/version %1").arg(n);
    s.coverSize = static_cast<qint16>(2000 + n);
    s.backgroundPicture = QString(4000 * (n + 1), u'x'); // long enough for a write to be caught halfway
    return s;
}

} // namespace lumetra::killtest
