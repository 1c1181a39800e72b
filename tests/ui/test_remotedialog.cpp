#include "mainwindowfixture.h"
#include "party/partysettings.h"
#include "remote/remote.h"
#include "remote/remotetesting.h"
#include "ui/party/remotedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTcpServer>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// What a phone's camera reads from the code, when a reader is installed.
std::optional<QString> scanned(const QImage &code, const QString &dir)
{
    const QString zbar = QStandardPaths::findExecutable(u"zbarimg"_s);
    if (zbar.isEmpty())
        return std::nullopt;
    const QString file = dir + u"/code.png"_s;
    code.save(file);
    QProcess reader;
    reader.start(zbar, {u"--raw"_s, u"-q"_s, file});
    reader.waitForFinished(10000);
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

// The remote's settings live in party.ini beside party mode's, each side's changes keeping the other's.
TEST_F(MainWindowTest, OptionsPhoneRemoteTurnsTheRemoteOnAndOffShowsItsAddressAsACodeAndStoresIt)
{
    MainWindow &window = start(numbered(3));
    const auto stored = [this] { return PartySettings::load(m_app.file(u"party.ini"_s)).settings; };
    trigger("mnuparty");
    QAction *item = window.menu(u"mnuoptions"_s)->findChild<QAction *>(u"mnuremote"_s);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), u"Phone remote\u2026"_s);
    item->trigger();
    RemoteDialog *dialog = window.windows().remoteDialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto *on = dialog->findChild<QCheckBox *>(u"remoteOn"_s);
    auto *port = dialog->findChild<QSpinBox *>(u"remotePort"_s);
    auto *fresh = dialog->findChild<QPushButton *>(u"remoteNewAddress"_s);
    ASSERT_TRUE(on && port && fresh);
    EXPECT_FALSE(accessibleName(dialog->findChild<QWidget *>(u"remoteCode"_s)).isEmpty());
    EXPECT_FALSE(on->isChecked()); // off until asked for
    EXPECT_FALSE(window.remote().isListening());
    EXPECT_TRUE(dialog->address().isEmpty());
    EXPECT_FALSE(fresh->isEnabled());

    QTcpServer probe; // a port free now
    ASSERT_TRUE(probe.listen(QHostAddress::Any, 0));
    const quint16 chosen = probe.serverPort();
    probe.close();
    port->setValue(chosen);
    Q_EMIT port->editingFinished();
    on->click();
    EXPECT_TRUE(window.remote().isListening());
    EXPECT_EQ(window.remote().port(), chosen);
    EXPECT_EQ(stored().remote, window.remote().settings()); // the next start's: on, the port, the token
    EXPECT_TRUE(stored().partyMode && stored().remote.on);
    const QString address = dialog->address();
    const QByteArray token = window.remote().settings().token;
    EXPECT_TRUE(address.contains(u":%1/?t="_s.arg(chosen))) << address.toStdString();
    EXPECT_TRUE(address.endsWith(QString::fromLatin1(token)));
    // Readable whole, to be typed on a phone without a camera.
    QCoreApplication::processEvents();
    auto *box = dialog->findChild<QComboBox *>(u"remoteAddress"_s);
    EXPECT_GE(box->width(), box->sizeHint().width());
    const QImage code = dialog->code();
    ASSERT_FALSE(code.isNull());
    if (const auto read = scanned(code, m_dir.path())) {
        EXPECT_EQ(*read, address);
    }

    // A new address locks the old one out.
    fresh->click();
    EXPECT_NE(dialog->address(), address);
    EXPECT_NE(dialog->code(), code);
    EXPECT_TRUE(exchange(chosen, getRequest(chosen, "/api/state?t=" + token)).startsWith("HTTP/1.1 403"));
    const QByteArray now = "/api/state?t=" + window.remote().settings().token;
    EXPECT_TRUE(exchange(chosen, getRequest(chosen, now)).startsWith("HTTP/1.1 200"));
    trigger("mnuparty");
    EXPECT_EQ(stored().remote, window.remote().settings());

    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    const QString takenPort = QString::number(taken.serverPort());
    port->setValue(taken.serverPort());
    Q_EMIT port->editingFinished();
    EXPECT_TRUE(dialog->problem().contains(takenPort)) << dialog->problem().toStdString();
    EXPECT_EQ(port->value(), chosen); // the remote stays where it was, and says so

    on->click();
    EXPECT_FALSE(window.remote().isListening());
    EXPECT_TRUE(dialog->address().isEmpty());
    EXPECT_TRUE(dialog->problem().isEmpty());
    EXPECT_FALSE(stored().remote.on);
    // Off, a taken port is kept, and turning the remote on there fails and says so.
    port->setValue(taken.serverPort());
    Q_EMIT port->editingFinished();
    on->click();
    EXPECT_TRUE(dialog->problem().contains(takenPort)) << dialog->problem().toStdString();
    EXPECT_FALSE(on->isChecked());
    EXPECT_FALSE(window.remote().isListening());
    EXPECT_FALSE(stored().remote.on);
}

} // namespace
