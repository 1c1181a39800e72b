#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace lumetra {

// The program's arguments: every option, the help text and what they ask for. Parsing needs no application
// object, so main can tell work without a window from the window before anything needs a display.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine();

    // Parses `arguments` (the program's name first). False when they do not fit; errorText() says why.
    bool parse(const QStringList &arguments);
    // False for work without a window (--scan, --inventory, --help, --version) and for arguments that fail
    // in a way Qt's own options (-platform, -style, ...) cannot explain.
    bool wantsWindow() const;
    // wantsWindow() for the raw arguments, before there is an application object.
    static bool windowWanted(int argc, char *argv[]);
    QString errorText() const { return m_error; }
    QString appDir() const { return m_parser.value(m_appDir); }
    // The one positional argument, a playlist to import, as an absolute path; empty without one.
    QString playlist() const { return m_playlist; }

    bool wantsScan() const { return m_parser.isSet(m_scan); }
    QString scanRoot() const { return m_parser.value(m_scan); }
    QString layout() const { return m_parser.value(m_layout); }
    bool wantsInventory() const { return m_parser.isSet(m_inventory); }

    // With --help, --help-all or --version: prints the answer and ends the process (exit 0).
    void answerHelpAndVersion(QCoreApplication &app);
    // The reason (by default errorText()) and the usage on stderr; returns the exit code for arguments that
    // do not fit (2).
    int usageError(const QString &reason = QString());

private:
    QString description() const;

    QCommandLineParser m_parser;
    QCommandLineOption m_appDir;
    QCommandLineOption m_scan;
    QCommandLineOption m_layout;
    QCommandLineOption m_inventory;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QString m_error;
    bool m_leftForQt = false; // the error may come from arguments QApplication takes for itself
    QString m_playlist;
};

// Runs the work without a window and returns the exit code: 0 on success, 1 with a message on stderr on
// failure, 2 for arguments that do not fit.
int runWithoutWindow(int argc, char *argv[]);

} // namespace lumetra
