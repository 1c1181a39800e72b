#include "remotedialog.h"

#include "party/partysettings.h"
#include "remote/qrcode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumetra {

namespace {
constexpr int kModulePixels = 6;
constexpr int kCodeSide = 37 * kModulePixels; // a code of this address fits without the dialog growing
} // namespace

RemoteDialog::RemoteDialog(QWidget *parent)
    : QDialog(parent)
    , m_on(new QCheckBox(tr("Let phones on this network use the remote"), this))
    , m_port(new QSpinBox(this))
    , m_address(new QComboBox(this))
    , m_code(new QLabel(this))
    , m_newAddress(new QPushButton(tr("Draw a new address"), this))
    , m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("PhoneRemote"));
    setWindowTitle(tr("Phone remote"));
    setAccessibleName(windowTitle());

    m_on->setObjectName(QStringLiteral("remoteOn"));
    m_port->setObjectName(QStringLiteral("remotePort"));
    m_port->setRange(PartySettings::Remote::kLowestPort, 65535);
    m_port->setAccessibleName(tr("Port"));
    m_address->setObjectName(QStringLiteral("remoteAddress"));
    m_address->setAccessibleName(tr("Page address"));
    m_address->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_code->setObjectName(QStringLiteral("remoteCode"));
    m_code->setAccessibleName(tr("QR code of the page address"));
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setMinimumSize(kCodeSide, kCodeSide);
    m_newAddress->setObjectName(QStringLiteral("remoteNewAddress"));
    m_newAddress->setToolTip(tr("Phones that use the old address are disconnected."));
    m_problem->setObjectName(QStringLiteral("remoteProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setAccessibleDescription(tr("Why the last change could not be made"));

    auto *about =
        new QLabel(tr("Guests open this address on a phone on the same network, or scan the code, to "
                      "browse the albums and queue tracks in Jukebox mode."),
                   this);
    about->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(tr("Port:"), m_port);
    form->addRow(tr("Address:"), m_address);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    // The dialog grows with the address, which must be readable whole to be typed on a phone.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(about);
    layout->addWidget(m_on);
    layout->addLayout(form);
    layout->addWidget(m_code);
    layout->addWidget(m_newAddress);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    connect(m_on, &QCheckBox::clicked, this, &RemoteDialog::onWanted);
    connect(m_port, &QSpinBox::editingFinished, this,
            [this] { Q_EMIT portWanted(quint16(m_port->value())); });
    connect(m_address, &QComboBox::currentIndexChanged, this, &RemoteDialog::showCode);
    connect(m_newAddress, &QPushButton::clicked, this, &RemoteDialog::newAddressWanted);
    setAddresses({});
}

void RemoteDialog::setOn(bool on)
{
    m_on->setChecked(on);
}

void RemoteDialog::setPort(quint16 port)
{
    m_port->setValue(port);
}

void RemoteDialog::setAddresses(const QStringList &addresses)
{
    const QString kept = m_address->currentText();
    m_address->clear();
    m_address->addItems(addresses);
    m_address->setMinimumWidth(m_address->sizeHint().width());
    // The same network as before, when it is still one of them.
    const int again = int(addresses.indexOf(kept));
    if (again >= 0)
        m_address->setCurrentIndex(again);
    m_address->setEnabled(!addresses.isEmpty());
    m_newAddress->setEnabled(!addresses.isEmpty());
    showCode();
}

void RemoteDialog::setProblem(const QString &text)
{
    m_problem->setText(text);
    m_problem->setVisible(!text.isEmpty());
}

QString RemoteDialog::address() const
{
    return m_address->currentText();
}

QString RemoteDialog::problem() const
{
    return m_problem->text();
}

QImage RemoteDialog::code() const
{
    return m_code->pixmap().toImage();
}

void RemoteDialog::showCode()
{
    const QString text = m_address->currentText();
    if (text.isEmpty()) {
        m_code->setPixmap({});
        m_code->setText(tr("The remote is off."));
        return;
    }
    m_code->setText({});
    m_code->setPixmap(QPixmap::fromImage(qrCode(text, kModulePixels)));
}

} // namespace lumetra
