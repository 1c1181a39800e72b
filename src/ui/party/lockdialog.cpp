#include "lockdialog.h"

#include "party/partylock.h"
#include "ui/common/widgethelpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumetra {

namespace {

constexpr int kMostWaiting = 100;

QLineEdit *pinField(const QString &name, const QString &accessible, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessible);
    field->setEchoMode(QLineEdit::Password);
    // As the PIN box takes it, so that the PIN typed here is the PIN that unlocks.
    digitsOnly(field, PartyLock::kMaxDigits);
    return field;
}

} // namespace

LockDialog::LockDialog(QWidget *parent)
    : QDialog(parent)
    , m_pin(pinField(QStringLiteral("lockPin"), tr("PIN"), this))
    , m_again(pinField(QStringLiteral("lockPinAgain"), tr("PIN again"), this))
    , m_maxWaiting(new QSpinBox(this))
    , m_maySkip(new QCheckBox(tr("Guests may skip tracks"), this))
    , m_maxVolume(new QSpinBox(this))
    , m_minVolume(new QSpinBox(this))
    , m_problem(wrappedLabel(QStringLiteral("lockProblem"), QString(), this))
{
    setObjectName(QStringLiteral("LockForGuests"));
    setWindowTitle(tr("Lock for guests"));
    setAccessibleName(windowTitle());
    m_maxWaiting->setObjectName(QStringLiteral("lockMaxWaiting"));
    m_maxWaiting->setAccessibleName(tr("Picks that may wait in the queue"));
    m_maxWaiting->setRange(1, kMostWaiting);
    m_maySkip->setObjectName(QStringLiteral("lockMaySkip"));
    m_maySkip->setAccessibleName(m_maySkip->text());
    m_maxVolume->setObjectName(QStringLiteral("lockMaxVolume"));
    m_maxVolume->setAccessibleName(tr("Loudest volume for guests"));
    m_maxVolume->setRange(0, GuestRules::kMaxVolume);
    m_minVolume->setObjectName(QStringLiteral("lockMinVolume"));
    m_minVolume->setAccessibleName(tr("Quietest volume for guests"));
    m_minVolume->setRange(0, GuestRules::kMaxVolume);
    // The quietest may not be louder than the loudest.
    connect(m_maxVolume, &QSpinBox::valueChanged, m_minVolume, &QSpinBox::setMaximum);
    m_problem->setAccessibleName(tr("Problem"));

    auto *intro = wrappedLabel(
        QStringLiteral("lockIntro"),
        tr("Guests can page, search, open albums and queue tracks. Everything else, leaving full screen and "
           "closing the jukebox ask for this PIN."),
        this);
    intro->setAccessibleName(tr("About the lock"));
    auto *form = new QFormLayout;
    form->addRow(tr("PIN (%1 to %2 digits):").arg(PartyLock::kMinDigits).arg(PartyLock::kMaxDigits), m_pin);
    form->addRow(tr("PIN again:"), m_again);
    form->addRow(tr("Picks that may wait in the queue:"), m_maxWaiting);
    form->addRow(tr("Loudest volume for guests:"), m_maxVolume);
    form->addRow(tr("Quietest volume for guests:"), m_minVolume);
    form->addRow(QString(), m_maySkip);

    auto *okay = namedButton(QStringLiteral("lockOkay"), tr("Lock"), this);
    okay->setAccessibleName(tr("Lock"));
    okay->setDefault(true);
    auto *cancel = namedButton(QStringLiteral("lockCancel"), tr("Cancel"), this);
    cancel->setAccessibleName(tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okay);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);

    for (QLineEdit *field : {m_pin, m_again})
        connect(field, &QLineEdit::inputRejected, this, [this] { m_problem->setText(pinRule()); });
    connect(okay, &QPushButton::clicked, this, &LockDialog::lock);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setRules({});
}

void LockDialog::setRules(const GuestRules &rules)
{
    m_maxWaiting->setValue(rules.maxWaiting);
    m_maySkip->setChecked(rules.maySkip);
    m_maxVolume->setValue(rules.maxVolume);
    m_minVolume->setValue(rules.minVolume);
}

void LockDialog::setPins(const QString &pin, const QString &again)
{
    m_pin->setText(pin);
    m_again->setText(again);
}

QString LockDialog::pinRule()
{
    return tr("The PIN must be %1 to %2 digits.").arg(PartyLock::kMinDigits).arg(PartyLock::kMaxDigits);
}

QString LockDialog::problem() const
{
    return m_problem->text();
}

void LockDialog::lock()
{
    const QString pin = m_pin->text();
    if (!PartyLock::isValidPin(pin)) {
        m_problem->setText(pinRule());
        return;
    }
    if (m_again->text() != pin) {
        m_problem->setText(tr("The two PINs differ; type the same PIN twice."));
        m_again->clear();
        return;
    }
    m_problem->clear();
    GuestRules rules;
    rules.maxWaiting = m_maxWaiting->value();
    rules.maySkip = m_maySkip->isChecked();
    rules.maxVolume = m_maxVolume->value();
    rules.minVolume = m_minVolume->value();
    Q_EMIT lockWanted(pin, rules);
    accept();
}

} // namespace lumetra
