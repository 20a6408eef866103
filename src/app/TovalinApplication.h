#pragma once

#include "TerminationFlag.h"

#include <QApplication>

#include <exception>
#include <memory>

class PlatformServices;

// The application object: title, version, the termination flag a running conversion
// watches, and the error report for errors that escape a window's handler.
class TovalinApplication : public QApplication {
    Q_OBJECT
public:
    static inline const QString StyleName = QStringLiteral("Aqua Light Slate");

    TovalinApplication(int& argc, char** argv);
    ~TovalinApplication() override;

    static TovalinApplication* instance();

    TerminationFlag& termination() { return termination_; }

    PlatformServices& platformServices() { return *services_; }
    // Tests put a double in place of the real desktop.
    void setPlatformServices(std::unique_ptr<PlatformServices> services);

    // Registers the bundled font and the carried styles and applies the named style;
    // a style that is not carried is reported and the system look stays.
    void prepareLook(const QString& styleName = StyleName);

    // The full path of the one existing file the command line names (a file manager's
    // "Open with"), or an empty text. --help and --version are answered and end the program.
    static QString startFile(const QStringList& arguments);

    // Reads the command line (--help, --version, an optional file for the input field),
    // creates both windows, shows the main window and runs until it is closed.
    int run();

    bool notify(QObject* receiver, QEvent* event) override;

    // The text the error report shows: the innermost message of a nested error, with
    // a period appended when its last character sorts after ".".
    static QString reportText(const std::exception_ptr& error);

protected:
    bool event(QEvent* event) override;

private:
    void reportError(const std::exception_ptr& error);

    TerminationFlag termination_;
    std::unique_ptr<PlatformServices> services_;
};
