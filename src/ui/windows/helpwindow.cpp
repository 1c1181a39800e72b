#include "helpwindow.h"

#include "core/appfolder.h"
#include "ui/common/look.h"

#include <QHBoxLayout>
#include <QLabel>

namespace lumetra {

HelpWindow::HelpWindow(const AppFolder &app, const BrowserFactory &browser, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(browser(this))
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(tr("Help -[Lumetra %1]").arg(QStringLiteral("1.5.0")));
    setAccessibleName(tr("Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 760);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("Image1"));
    strip->setFixedWidth(90);
    strip->setPixmap(
        QPixmap(app.ownFile(QStringLiteral("vista.jpg"))).scaledToHeight(760, Qt::SmoothTransformation));
    strip->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setDecorative(strip);
    layout->addWidget(strip);
    m_browser->setObjectName(QStringLiteral("wb2"));
    m_browser->setAccessibleName(tr("Help page"));
    layout->addWidget(m_browser, 1);
    m_browser->navigate(QUrl::fromLocalFile(app.ownFile(QStringLiteral("lumetra.htm"))));
}

} // namespace lumetra
