#pragma once

#include "core/albumfiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

namespace lumetra {

// While files are copied: the busy pointer, the window kept live, and a progress dialog once the copying
// has lasted about a second. Copies do not overlap, so one is under way at a time.
class CopyProgress
{
    Q_DECLARE_TR_FUNCTIONS(CopyProgress)

public:
    explicit CopyProgress(QWidget *owner);
    ~CopyProgress();
    CopyProgress(const CopyProgress &) = delete;
    CopyProgress &operator=(const CopyProgress &) = delete;

    AlbumFiles::Progress callback();

    // A box is about to come up (a failed copy says why): the progress dialog of the copy under way goes
    // first, so that the box never shows with it; it comes back if the copy goes on.
    static void closeDialog();

private:
    void report(qint64 done, qint64 total);

    QWidget *m_owner;
    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_started;
    QElapsedTimer m_lastTurn;
};

} // namespace lumetra
