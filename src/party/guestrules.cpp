#include "guestrules.h"

#include "playhistory.h"

namespace lumetra {

QString GuestRules::refusal(const QString &path, const QString &name, const QStringList &waiting,
                            const PlayHistory &history, int window) const
{
    if (waiting.size() >= maxWaiting)
        return tr("The queue is full for now (at most %1 picks may wait); please wait until one has played.")
            .arg(maxWaiting);
    const QString key = PlayHistory::trackKey(path);
    for (const QString &queued : waiting) {
        if (PlayHistory::trackKey(queued) == key)
            return tr("\"%1\" is already waiting in the queue.").arg(name);
    }
    if (history.playedWithin(path, window))
        return tr("\"%1\" played a short while ago; please choose another track.").arg(name);
    return {};
}

} // namespace lumetra
