#pragma once

#include <QLoggingCategory>

// Diagnostics of playback: what plays and which mode is on ("lumetra.playback", debug level).
Q_DECLARE_LOGGING_CATEGORY(lcPlayback)
