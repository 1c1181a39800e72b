#pragma once

#include "ui/common/browser.h"

#include <QList>

namespace lumetra::test {

// A browser that shows nothing and keeps the addresses it was sent to.
class FakeBrowser final : public Browser
{
public:
    using Browser::Browser;
    void navigate(const QUrl &url) override { visited.append(url); }
    void back() override { ++backs; }
    QUrl url() const override { return visited.isEmpty() ? QUrl() : visited.last(); }

    static BrowserFactory factory()
    {
        return [](QWidget *parent) -> Browser * { return new FakeBrowser(parent); };
    }

    QList<QUrl> visited;
    int backs = 0;
};

} // namespace lumetra::test
