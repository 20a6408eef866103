// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "BuildInfo.h"
#include "DesktopServices.h"
#include "StartUp.h"
#include "TForm1.h"
#include "TabtFrm.h"
#include "TovalinApplication.h"

#include <QUrl>

int main(int argc, char* argv[])
{
    // --help and --version are answered before anything needs a display.
    if (const std::optional<int> status = StartUp::answerOnTerminal(StartUp::arguments(argc, argv)))
        return *status;

    TovalinApplication app(argc, argv);
    app.setApplicationName(TovalinApplication::Title);
    DesktopServices desktop;
    app.reportThrough(&desktop);

    StartUp::applyStyle(StartUp::StyleName, desktop);

    const QUrl donationPage(QLatin1String(TOVALIN_DONATION_URL));
    TForm1 form(desktop, app.termination(), app, donationPage);
    TabtFrm about(desktop, app, donationPage, &form);
    form.setAboutWindow(&about);
    form.takeInputFile(StartUp::startFile(app.arguments()));

    form.showCentred();
    return app.exec();
}
