// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "WindowFixture.h"

#include "StartUp.h"
#include "TovalinApplication.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

WindowFixture::WindowFixture() : WindowFixture(Options{})
{}

WindowFixture::WindowFixture(const Options& options)
{
    auto* app = TovalinApplication::instance();
    app->reportThrough(&services);
    if (options.style)
        StartUp::applyStyle(StartUp::StyleName, services);
    termination_ = options.ownTermination ? &ownTermination_ : &app->termination();
    form_ = std::make_unique<TForm1>(services, *termination_, *app, options.donationPage);
    about_ = new TabtFrm(services, *app, options.donationPage, form_.get());
    form_->setAboutWindow(about_);
}

WindowFixture::~WindowFixture()
{
    form_.reset();
    TovalinApplication::instance()->reportThrough(nullptr);
}

bool WindowFixture::show()
{
    form_->showCentred();
    if (!QTest::qWaitForWindowExposed(form_.get()))
        return false;
    form_->activateWindow();
    return QTest::qWaitForWindowActive(form_.get());
}

QStringList WindowFixture::log() const
{
    const QString text = control<QPlainTextEdit>("Memo1")->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void WindowFixture::convert(const ConversionRequest& request)
{
    control<QLineEdit>("Edit1")->setText(request.inputPath);
    control<QLineEdit>("Edit2")->setText(request.outputPath);
    control<QLineEdit>("startTime")->setText(request.startTime);
    control<QLineEdit>("endTime")->setText(request.endTime);
    control<QLineEdit>("fadeInTime")->setText(request.fadeInTime);
    control<QLineEdit>("fadeOutTime")->setText(request.fadeOutTime);
    QTest::mouseClick(control("Convert"), Qt::LeftButton);
}

void WindowFixture::whileRunning(const QString& role, std::function<void()> action)
{
    auto* memo = control<QPlainTextEdit>("Memo1");
    const QString line = QStringLiteral("Executing %1. Please wait.").arg(role);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(memo, &QPlainTextEdit::textChanged, form_.get(), [=] {
        if (!memo->toPlainText().endsWith(line))
            return;
        QObject::disconnect(*connection);
        QTimer::singleShot(0, memo, action);
    });
}

QObject* WindowFixture::find(const char* name, const QMetaObject* type) const
{
    for (QObject* child : form_->findChildren<QObject*>(QString::fromLatin1(name))) {
        if (type->cast(child))
            return child;
    }
    qFatal("the main window has no %s named %s", type->className(), name);
}
