// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TovalinApplication.h"

#include "BuildInfo.h"
#include "ConversionError.h"
#include "PlatformServices.h"

#include <QDir>
#include <QIcon>
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

TovalinApplication::TovalinApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationVersion(QLatin1String(TOVALIN_VERSION));
    setWindowIcon(programIcon());
    // Matches the installed desktop entry, so desktops show its icon and name.
    setDesktopFileName(QStringLiteral("tovalin"));
    // Closing the main window posts the quit request itself.
    setQuitOnLastWindowClosed(false);
}

TovalinApplication* TovalinApplication::instance()
{
    return static_cast<TovalinApplication*>(QCoreApplication::instance());
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

void TovalinApplication::report(const std::exception_ptr& error)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (services_)
        services_->showError(activeWindow(), applicationName(), reportText(error));
}

bool TovalinApplication::event(QEvent* event)
{
    if (event->type() == QEvent::Quit)
        termination_.set();
    return QApplication::event(event);
}
