// Draws every picture the program ships with, so the artwork is ours and reproducible.
#include "buttons.h"
#include "canvas.h"
#include "pictures.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

#include <map>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool save(const QImage &image, const QString &path)
{
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    QImageWriter writer(path, jpeg ? "jpeg" : "png");
    if (jpeg) {
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
    }
    const QImage out =
        jpeg ? image.convertToFormat(QImage::Format_RGB32) : image.convertToFormat(QImage::Format_ARGB32);
    if (!writer.write(out)) {
        err() << "lumetra-artwork: cannot write " << path << ": " << writer.errorString() << Qt::endl;
        return false;
    }
    return true;
}

std::map<QString, QImage> drawAll()
{
    std::map<QString, QImage> all;
    all[QStringLiteral("blankcover.jpg")] = art::noCover();
    all[QStringLiteral("lumetra2.jpg")] = art::logo();
    all[QStringLiteral("vista.jpg")] = art::backdrop();
    all[QStringLiteral("collrow.png")] = art::collectionRow();
    all[QStringLiteral("collframe.jpg")] = art::collectionFrame();
    for (art::ButtonPicture &b : art::buttons())
        all[b.fileName] = std::move(b.image);
    return all;
}

// Everything at its shown size on a dark and a light wall, for judging by eye.
QImage preview(const std::map<QString, QImage> &all)
{
    const auto shown = [](const QImage &image, QSize size) {
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QStringList strip = {QStringLiteral("prev-page"), QStringLiteral("next-page"),
                               QStringLiteral("mode-menu"), QStringLiteral("options-menu"),
                               QStringLiteral("help")};
    const int panelWidth = 760;
    QImage sheet(2 * panelWidth, 1310, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const QColor walls[] = {QColor(24, 26, 28), QColor(235, 235, 235)};
    for (int side = 0; side < 2; ++side) {
        const int left = side * panelWidth;
        p.fillRect(QRect(left, 0, panelWidth, sheet.height()), walls[side]);
        const QImage &cover = all.at(QStringLiteral("blankcover.jpg"));
        const QImage &mark = all.at(QStringLiteral("lumetra2.jpg"));
        p.drawImage(left + 20, 20, shown(cover, {160, 160}));
        p.drawImage(left + 200, 20, shown(mark, {160, 160}));
        p.drawImage(left + 380, 20, shown(cover, {100, 100}));
        p.drawImage(left + 500, 20, shown(mark, {100, 100}));

        for (int state = 0; state < 2; ++state) {
            int x = left + 20;
            const int y = 210 + state * 50;
            for (const QString &name : strip) {
                const QImage &b = all.at(name + (state ? QStringLiteral("-hi.png") : QStringLiteral(".png")));
                p.drawImage(x, y, shown(b, b.size() / 2));
                x += b.width() / 2 + 8;
            }
        }
        int x = left + 20;
        for (const QString &name :
             {QStringLiteral("next-page"), QStringLiteral("next-page-hi"), QStringLiteral("mode-menu"),
              QStringLiteral("mode-menu-hi"), QStringLiteral("help-hi")}) {
            const QImage &b = all.at(name + QStringLiteral(".png"));
            p.drawImage(x, 320, b);
            x += b.width() + 8;
        }

        // The backdrop with a few tiles on it, scaled down as a whole.
        const QRect scene(left + 20, 410, 720, 405);
        p.drawImage(scene, all.at(QStringLiteral("vista.jpg")));
        for (int i = 0; i < 4; ++i)
            p.drawImage(scene.left() + 30 + i * 170, scene.top() + 40,
                        shown(i % 2 ? mark : cover, {150, 150}));
        p.drawImage(scene.left() + 30, scene.top() + 230, shown(cover, {150, 150}));
        int sx = scene.left() + 30;
        for (const QString &name : strip) {
            const QImage &b = all.at(name + QStringLiteral(".png"));
            p.drawImage(sx, scene.bottom() - 40, shown(b, b.size() / 2));
            sx += b.width() / 2 + 8;
        }
        p.drawImage(QRect(left + 20, 830, 360, 202), all.at(QStringLiteral("vista.jpg")));

        // The collections panel with stand-ins for its buttons, cover and status lines.
        const QRect frame(left + 20, 1060, 275, 227);
        p.drawImage(frame, all.at(QStringLiteral("collframe.jpg")));
        int by = frame.top() + 12;
        for (const QString &name : strip) {
            p.drawImage(frame.left() + 10, by, shown(all.at(name + QStringLiteral(".png")), {76, 30}));
            by += 34;
        }
        p.drawImage(frame.right() - 160, frame.top() + 12, shown(cover, {150, 150}));
        p.setFont(art::font(13, QFont::Bold));
        p.setPen(QColor(0xa8, 0xf0, 0xff));
        p.drawText(QRect(frame.left() + 10, frame.bottom() - 42, 255, 36), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Road trip\n14 albums, 3 hours 12 minutes"));

        const QImage &row = all.at(QStringLiteral("collrow.png"));
        const QStringList names = {QStringLiteral("Road trip"), QStringLiteral("Sunday morning"),
                                   QStringLiteral("Late night dance floor"), QStringLiteral("Kids")};
        for (int i = 0; i < names.size(); ++i) {
            const QRect place(left + 320, 1060 + i * 57, 244, 57);
            p.drawImage(place, shown(row, place.size()));
            p.setPen(QColor(0x10, 0x14, 0x1a));
            p.drawText(place.adjusted(62, 0, -10, 0), Qt::AlignLeft | Qt::AlignVCenter, names.at(i));
        }
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    // Must run on machines without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments().mid(1);
    const bool wantPreview = args.size() == 2 && args.at(0) == QStringLiteral("--preview");
    if (!wantPreview && args.size() != 1) {
        err() << "usage: lumetra-artwork OUTDIR\n       lumetra-artwork --preview FILE.png" << Qt::endl;
        return 2;
    }

    const QString family = QFontInfo(art::font(20)).family();
    if (family != QStringLiteral("DejaVu Sans"))
        err() << "lumetra-artwork: warning: DejaVu Sans not found, using " << family << Qt::endl;

    const std::map<QString, QImage> all = drawAll();
    if (wantPreview)
        return save(preview(all), args.at(1)) ? 0 : 1;

    const QDir dir(args.at(0));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        err() << "lumetra-artwork: cannot create " << dir.path() << Qt::endl;
        return 1;
    }
    for (const auto &[name, image] : all) {
        if (!save(image, dir.filePath(name)))
            return 1;
    }
    return 0;
}
