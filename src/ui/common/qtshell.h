#pragma once

#include "core/shell.h"

namespace lumetra {

// Opens files and folders with the desktop's default application (the file manager for a folder).
class QtShell final : public Shell
{
public:
    bool open(const QString &path) override;
};

} // namespace lumetra
