#include "TovalinApplication.h"

#include "BuildInfo.h"
#include "ConversionError.h"
#include "DesktopServices.h"
#include "FontRegistration.h"
#include "StyleRegistry.h"
#include "TForm1.h"
#include "TabtFrm.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QUrl>
#include <QWidget>

namespace {

QString messageOf(const std::exception& error)
{
    if (const auto* ours = dynamic_cast<const ConversionError*>(&error))
        return ours->message();
    return QString::fromUtf8(error.what());
}

QString innermostMessage(const std::exception& error)
{
    try {
        std::rethrow_if_nested(error);
    } catch (const std::exception& inner) {
        return innermostMessage(inner);
    } catch (...) {
    }
    return messageOf(error);
}

QIcon programIcon()
{
    // Every size the resources carry; QIcon reads each picture's size itself.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

} // namespace

TovalinApplication::TovalinApplication(int& argc, char** argv)
    : QApplication(argc, argv), services_(std::make_unique<DesktopServices>())
{
    setApplicationName(QStringLiteral("Tovalin"));
    setApplicationVersion(QStringLiteral("2.2"));
    setWindowIcon(programIcon());
    // Matches the installed desktop entry, so desktops show its icon and name.
    setDesktopFileName(QStringLiteral("tovalin"));
    // Closing the main window posts the quit request itself.
    setQuitOnLastWindowClosed(false);
}

TovalinApplication::~TovalinApplication() = default;

QString TovalinApplication::startFile(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Turns a section of an MP3 file into an iPhone ringtone."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The MP3 file to start with."),
                                 QStringLiteral("[file]"));
    parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return {};
    const QFileInfo file(files.front());
    if (files.size() > 1 || !file.isFile()) {
        qWarning("%s: only one existing file can be opened; starting without one",
                 qPrintable(applicationName().toLower()));
        return {};
    }
    return file.absoluteFilePath();
}

TovalinApplication* TovalinApplication::instance()
{
    return static_cast<TovalinApplication*>(QCoreApplication::instance());
}

void TovalinApplication::setPlatformServices(std::unique_ptr<PlatformServices> services)
{
    services_ = std::move(services);
}

void TovalinApplication::prepareLook(const QString& styleName)
{
    FontRegistration::registerBundledFonts();
    StyleRegistry styles;
    styles.registerCarriedStyles();
    if (!styles.apply(styleName)) {
        services_->showError(nullptr, QStringLiteral("Error"),
                             QStringLiteral("Style '%1' not found").arg(styleName), QStringLiteral("&Close"));
    }
}

int TovalinApplication::run()
{
    const QString file = startFile(arguments());
    prepareLook();
    const QUrl donationPage(QStringLiteral(TOVALIN_DONATION_URL));
    TForm1 form(*services_, termination_, donationPage);
    TabtFrm about(*services_, donationPage, &form);
    form.setAboutWindow(&about);
    if (!file.isEmpty())
        form.takeInputFile(file);
    form.showCentred();
    return exec();
}

bool TovalinApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportError(std::current_exception());
        return false;
    }
}

QString TovalinApplication::reportText(const std::exception_ptr& error)
{
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = innermostMessage(e);
    } catch (...) {
        text = QStringLiteral("Unknown error");
    }
    if (!text.isEmpty() && text.back().unicode() > u'.')
        text += QLatin1Char('.');
    return text;
}

void TovalinApplication::reportError(const std::exception_ptr& error)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    services_->showError(activeWindow(), applicationName(), reportText(error));
}

bool TovalinApplication::event(QEvent* event)
{
    if (event->type() == QEvent::Quit)
        termination_.set();
    return QApplication::event(event);
}
