#include "TabtFrm.h"
#include "ui_TabtFrm.h"

#include "BuildInfo.h"
#include "LayoutProperties.h"
#include "PlatformServices.h"

#include <QKeyEvent>

namespace {

// A fixed dialog frame with the system menu and close box only.
constexpr Qt::WindowFlags AboutWindowFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                             | Qt::WindowCloseButtonHint;

} // namespace

TabtFrm::TabtFrm(PlatformServices& services, QUrl donationPage, QWidget* parent)
    : QDialog(parent, AboutWindowFlags)
    , ui(std::make_unique<Ui::TabtFrm>())
    , services_(services)
    , donationPage_(std::move(donationPage))
{
    ui->setupUi(this);
    LayoutProperties::apply(this);
    ui->Memo1->setPlainText(toolList());
    connect(ui->Button1, &QPushButton::clicked, this, &TabtFrm::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TabtFrm::Button2Click);
}

TabtFrm::~TabtFrm() = default;

QString TabtFrm::toolList()
{
    return QStringList{
        QStringLiteral("libmp3splt version ") + QStringLiteral(TOVALIN_LIBMP3SPLT_VERSION),
        QString(),
        QStringLiteral("      (c) 2002-2005 Matteo Trotta"),
        QStringLiteral("      (c) 2005-2014 Alexandru Ionut Munteanu"),
        QString(),
        QStringLiteral("sox version ") + QStringLiteral(TOVALIN_SOX_VERSION) + QStringLiteral(" for Linux"),
        QString(),
        QStringLiteral("FFmpeg version ") + QStringLiteral(TOVALIN_FFMPEG_VERSION)
            + QStringLiteral(" for Linux x86_64 by the Debian Multimedia Maintainers"),
    }.join(QLatin1Char('\n'));
}

void TabtFrm::showModal()
{
    // The first showing centres on the main window (QDialog's own placement); later
    // ones come back where the window was closed.
    if (lastPosition_)
        move(*lastPosition_);
    ui->Button1->setFocus();
    exec();
}

void TabtFrm::Button1Click()
{
    close();
}

void TabtFrm::Button2Click()
{
    if (!donationPage_.isEmpty())
        services_.openUrl(donationPage_);
}

void TabtFrm::keyPressEvent(QKeyEvent* event)
{
    // Escape keeps the window open; Enter goes to QDialog's default-button handling.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TabtFrm::hideEvent(QHideEvent* event)
{
    lastPosition_ = pos();
    QDialog::hideEvent(event);
}
