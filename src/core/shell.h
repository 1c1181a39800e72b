#pragma once

#include <QString>

namespace lumetra {

// Opens a file or folder with the desktop's default application.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual bool open(const QString &path) = 0;
};

} // namespace lumetra
