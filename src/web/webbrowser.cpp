#include "webbrowser.h"

#include <QCoreApplication>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

namespace lumetra {

WebBrowser::WebBrowser(QWidget *parent)
    : Browser(parent)
    , m_view(new QWebEngineView(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_view->setAccessibleName(tr("Web page"));
}

void WebBrowser::navigate(const QUrl &url)
{
    m_view->load(url);
}

void WebBrowser::back()
{
    m_view->back();
}

QUrl WebBrowser::url() const
{
    return m_view->url();
}

void WebBrowser::prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

} // namespace lumetra
