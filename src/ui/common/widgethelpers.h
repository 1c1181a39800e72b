#pragma once

#include "core/coverloader.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace lumetra {

// Small builders the windows share: controls carry their design names so tests and tools can find them.

// A label showing `text` literally: folder and album names are never taken for markup.
inline QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

inline QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A window title that shows `text` literally: Qt takes "[*]" in a title for the modified mark.
inline QString plainWindowTitle(QString text)
{
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

// A tooltip that shows `text` literally: Qt takes a tooltip that looks like markup for rich text.
inline QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

// Digits only, and no more than `most`: one more is refused as it is typed or pasted, not cut off.
inline void digitsOnly(QLineEdit *field, int most)
{
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(most)), field));
}

inline QPushButton *namedButton(const QString &name, const QString &text, QWidget *parent,
                                const QString &tip = {})
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

// A font as a style sheet writes it: a widget with a style sheet of its own takes its font from there.
inline QString cssFont(const QFont &font)
{
    return QStringLiteral("font-family: '%1'; font-size: %2pt; font-weight: %3; font-style: %4;")
        .arg(font.family())
        .arg(font.pointSizeF())
        .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
        .arg(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"));
}

// A colour as a style sheet writes it.
inline QString cssColor(const QColor &color)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

// The program's own picture for an album without a cover (files/blankcover.jpg), which leaves its caption to
// the program.
inline bool isNoCoverPicture(const QString &path)
{
    return path.endsWith(QStringLiteral("/files/blankcover.jpg"));
}

// "No cover" in the user's language, in the room the picture leaves for it under the record.
inline void captionNoCover(QImage &picture)
{
    const QString caption = QCoreApplication::translate("lumetra::CoverSlot", "No cover");
    const qreal unit = picture.deviceIndependentSize().width() / 400.0; // designed 400 pixels square
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(std::max(1, qRound(30 * unit)));
    face.setBold(true);
    painter.setFont(face);
    painter.setPen(QColor(0xee, 0xf0, 0xf4, 225));
    const QRect room(qRound(20 * unit), qRound(325 * unit), qRound(360 * unit), qRound(50 * unit));
    painter.drawText(room, Qt::AlignCenter,
                     QFontMetrics(face).elidedText(caption, Qt::ElideRight, room.width()));
}

// A picture file decoded to fill `target` at the screen's own pixels, so it stays sharp on a scaled
// display; a null pixmap when the file cannot be read.
inline QPixmap coverPixmap(const QString &path, const QWidget *target)
{
    const qreal ratio = target->devicePixelRatioF();
    QImage picture = loadCover(path, target->size() * ratio);
    if (!picture.isNull() && isNoCoverPicture(path))
        captionNoCover(picture);
    picture.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(picture);
}

// How well two colours read against each other, as the web's accessibility rules measure it: from 1 (the
// same) to 21 (black on white).
inline double contrastRatio(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A panel's background and text in the wall's colours.
inline void setPanelColors(QWidget *panel, const QColor &back, const QColor &text)
{
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::WindowText, text);
    panel->setPalette(p);
}

} // namespace lumetra
