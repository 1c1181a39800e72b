#include "mainwindowfixture.h"
#include "remote/remote.h"
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

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

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

TEST_F(MainWindowTest, OptionsPhoneRemoteTurnsTheRemoteOnAndShowsItsAddressAsACode)
{
    MainWindow &window = start(numbered(3));
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

    const quint16 chosen = freePort();
    port->setValue(chosen);
    Q_EMIT port->editingFinished();
    on->click();
    EXPECT_TRUE(window.remote().isListening());
    EXPECT_EQ(window.remote().port(), chosen);
    const QString address = dialog->address();
    EXPECT_TRUE(address.contains(u":%1/?t="_s.arg(chosen))) << address.toStdString();
    EXPECT_TRUE(address.endsWith(QString::fromLatin1(window.remote().settings().token)));
    // Readable whole, to be typed on a phone without a camera.
    QCoreApplication::processEvents();
    auto *box = dialog->findChild<QComboBox *>(u"remoteAddress"_s);
    EXPECT_GE(box->width(), box->sizeHint().width());
    const QImage code = dialog->code();
    ASSERT_FALSE(code.isNull());
    if (const auto read = scanned(code, m_dir.path())) {
        EXPECT_EQ(*read, address);
    }

    fresh->click();
    EXPECT_NE(dialog->address(), address);
    EXPECT_NE(dialog->code(), code);

    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    port->setValue(taken.serverPort());
    Q_EMIT port->editingFinished();
    EXPECT_TRUE(dialog->problem().contains(QString::number(taken.serverPort())))
        << dialog->problem().toStdString();
    EXPECT_EQ(port->value(), chosen); // the remote stays where it was, and says so

    on->click();
    EXPECT_FALSE(window.remote().isListening());
    EXPECT_TRUE(dialog->address().isEmpty());
    EXPECT_TRUE(dialog->problem().isEmpty());
}

} // namespace
