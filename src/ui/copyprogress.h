#pragma once

#include "core/albumfiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

namespace lumetra {

// While files are copied: the busy pointer, the window kept live, and a progress dialog once the copying
// has lasted about a second.
class CopyProgress
{
    Q_DECLARE_TR_FUNCTIONS(CopyProgress)

public:
    explicit CopyProgress(QWidget *owner);
    ~CopyProgress();
    CopyProgress(const CopyProgress &) = delete;
    CopyProgress &operator=(const CopyProgress &) = delete;

    AlbumFiles::Progress callback();

private:
    void report(qint64 done, qint64 total);

    QWidget *m_owner;
    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_started;
    QElapsedTimer m_lastTurn;
};

} // namespace lumetra
