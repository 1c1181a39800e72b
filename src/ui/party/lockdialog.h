#pragma once

#include "party/guestrules.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace lumetra {

// "Lock for guests": the PIN twice and the guests' rules (the volume between a quietest and a loudest). Okay
// with a valid PIN typed twice reports them; otherwise the dialog says what is wrong and stays.
class LockDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LockDialog(QWidget *parent = nullptr);

    void setRules(const GuestRules &rules);
    void setPins(const QString &pin, const QString &again);
    // Okay: checks the PINs; when they are right, reports and closes.
    void lock();
    QString problem() const;

Q_SIGNALS:
    void lockWanted(const QString &pin, const GuestRules &rules);

private:
    static QString pinRule();

    QLineEdit *m_pin;
    QLineEdit *m_again;
    QSpinBox *m_maxWaiting;
    QCheckBox *m_maySkip;
    QSpinBox *m_maxVolume;
    QSpinBox *m_minVolume;
    QLabel *m_problem;
};

} // namespace lumetra
