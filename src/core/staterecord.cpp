#include "staterecord.h"

#include "catalogue.h"
#include "recordview.h"

#include <algorithm>

namespace lumetra {

namespace {
const QString kFolders = QStringLiteral("folders");
const QString kFormcolor = QStringLiteral("formcolor");
} // namespace

StateRecord StateRecord::read(const RecordView &opts)
{
    StateRecord state;
    state.present = !opts.eof() && !opts.bof();
    state.folders = opts.value(kFolders);
    state.formcolor = opts.value(kFormcolor);
    return state;
}

int StateRecord::volume() const
{
    if (!present)
        return kFirstRunVolume;
    const QString text = folders.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    bool ok = false;
    const qlonglong value = text.left(end).toLongLong(&ok);
    return ok ? static_cast<int>(std::clamp<qlonglong>(value, 0, 100)) : 0;
}

bool StateRecord::write(Catalogue &catalogue, RecordView &opts, int volume, bool jukebox)
{
    if (!catalogue.beginTransaction())
        return false;
    bool ok = true;
    opts.moveLast();
    while (ok && !opts.bof()) {
        ok = opts.deleteRecord();
        opts.movePrevious();
    }
    ok = ok && opts.addNew();
    ok = ok && opts.setValue(kFolders, QString::number(volume));
    ok = ok && opts.setValue(kFormcolor, jukebox ? QStringLiteral("jukebox") : QString());
    ok = ok && opts.update();
    if (ok && catalogue.commit())
        return true;
    catalogue.rollback();
    opts.refresh();
    return false;
}

} // namespace lumetra
