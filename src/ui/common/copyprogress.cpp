#include "copyprogress.h"

#include <QApplication>
#include <QProgressDialog>

namespace lumetra {

namespace {
constexpr qint64 kShowAfterMs = 1000;
constexpr qint64 kTurnEveryMs = 50;
CopyProgress *s_current = nullptr;
} // namespace

CopyProgress::CopyProgress(QWidget *owner)
    : m_owner(owner)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_started.start();
    m_lastTurn.start();
    s_current = this;
}

CopyProgress::~CopyProgress()
{
    delete m_dialog;
    QApplication::restoreOverrideCursor();
    if (s_current == this)
        s_current = nullptr;
}

void CopyProgress::closeDialog()
{
    if (s_current)
        delete s_current->m_dialog;
}

AlbumFiles::Progress CopyProgress::callback()
{
    return [this](qint64 done, qint64 total) { report(done, total); };
}

void CopyProgress::report(qint64 done, qint64 total)
{
    if (m_lastTurn.elapsed() < kTurnEveryMs)
        return;
    m_lastTurn.restart();
    if (!m_dialog && m_started.elapsed() >= kShowAfterMs) {
        m_dialog = new QProgressDialog(tr("Copying music files..."), QString(), 0, 100, m_owner);
        m_dialog->setWindowTitle(QStringLiteral("Lumetra"));
        m_dialog->setAccessibleName(tr("Copying music files"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
    }
    if (m_dialog)
        m_dialog->setValue(total > 0 ? static_cast<int>(100 * done / total) : 0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lumetra
