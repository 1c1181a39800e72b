#include "albumrecord.h"

#include "appfolder.h"

namespace lumetra {

QString coverPicturePath(const QString &path, const QString &picture, const AppFolder &app)
{
    return picture.isEmpty() ? app.noCoverPicture() : path + picture;
}

} // namespace lumetra
