#pragma once

#include "ui/common/browser.h"

#include <QWidget>

namespace lumetra {

class AppFolder;

// "Help -[Lumetra 1.5.0]": the help page shipped in files/, in an embedded browser.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(const AppFolder &app, const BrowserFactory &browser, QWidget *parent = nullptr);
    Browser *browser() const { return m_browser; }

private:
    Browser *m_browser;
};

} // namespace lumetra
