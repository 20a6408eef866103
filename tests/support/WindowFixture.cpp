#include "WindowFixture.h"

#include "StartUp.h"
#include "TovalinApplication.h"

#include <QPlainTextEdit>
#include <QTest>

WindowFixture::WindowFixture() : WindowFixture(Options{})
{}

WindowFixture::WindowFixture(const Options& options)
{
    auto* app = TovalinApplication::instance();
    app->reportThrough(&services);
    if (options.style)
        StartUp::applyStyle(StartUp::StyleName, services);
    form_ = std::make_unique<TForm1>(services, app->termination(), *app, options.donationPage);
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

QObject* WindowFixture::find(const char* name, const QMetaObject* type) const
{
    for (QObject* child : form_->findChildren<QObject*>(QString::fromLatin1(name))) {
        if (type->cast(child))
            return child;
    }
    qFatal("the main window has no %s named %s", type->className(), name);
}
