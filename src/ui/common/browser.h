#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

namespace lumetra {

// An embedded web browser: the help page and the cover-art search show in one. The program uses Qt
// WebEngine (src/web); tests use a stand-in that records where it was sent.
class Browser : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void navigate(const QUrl &url) = 0;
    virtual void back() = 0;
    virtual QUrl url() const = 0;
};

using BrowserFactory = std::function<Browser *(QWidget *parent)>;

} // namespace lumetra
