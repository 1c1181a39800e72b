#pragma once

#include "ui/common/browser.h"

#include <QUrl>

namespace lumetra::test {

// A browser that shows nothing and keeps the address it was last sent to.
class FakeBrowser final : public Browser
{
public:
    using Browser::Browser;
    void navigate(const QUrl &url) override { m_url = url; }
    void back() override {}
    QUrl url() const override { return m_url; }

    static BrowserFactory factory()
    {
        return [](QWidget *parent) -> Browser * { return new FakeBrowser(parent); };
    }

private:
    QUrl m_url;
};

} // namespace lumetra::test
