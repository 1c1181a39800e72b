#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

struct ButtonPicture {
    QString fileName;
    QImage image;
};

// Every strip button in its normal and pointer-over state, drawn at twice the shown size.
std::vector<ButtonPicture> buttons();

} // namespace art
