#pragma once

#include "ui/common/browser.h"

class QWebEngineView;

namespace lumetra {

// Browser over Qt WebEngine. Its own context menu offers "Copy Image", which the cover-art window relies on.
class WebBrowser final : public Browser
{
    Q_OBJECT
public:
    explicit WebBrowser(QWidget *parent = nullptr);

    void navigate(const QUrl &url) override;
    void back() override;
    QUrl url() const override;

    // Call before the application object exists: the engine shares OpenGL contexts and, run as root,
    // cannot use its sandbox.
    static void prepareApplication();

private:
    QWebEngineView *m_view;
};

} // namespace lumetra
