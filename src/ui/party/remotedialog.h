#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace lumetra {

// Options > "Phone remote…": the remote on or off, its port, the page's address with its QR code, and a new
// address (which disconnects every phone). Shows what it is given; reports what the user asks for.
class RemoteDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RemoteDialog(QWidget *parent = nullptr);

    void setOn(bool on);
    void setPort(quint16 port);
    // The page's address at each of the machine's network addresses; none while the remote is off.
    void setAddresses(const QStringList &addresses);
    // Why the last change could not be made; empty when it was.
    void setProblem(const QString &text);

    QString address() const;
    QString problem() const;
    QImage code() const;

Q_SIGNALS:
    void onWanted(bool on);
    void portWanted(quint16 port);
    void newAddressWanted();

private:
    void showCode();

    QCheckBox *m_on;
    QSpinBox *m_port;
    QComboBox *m_address;
    QLabel *m_code;
    QPushButton *m_newAddress;
    QLabel *m_problem;
};

} // namespace lumetra
