// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#include "TabtFrm.h"
#include "ui_TabtFrm.h"

#include "ErrorReport.h"
#include "LayoutProperties.h"
#include "PlatformServices.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QSysInfo>

namespace {

// A fixed dialog frame with the system menu and close box only.
constexpr Qt::WindowFlags AboutWindowFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// How the tool list names each tool, and the system it was built for.
constexpr std::array<QStringView, ToolSet::Roles.size()> ToolNames{u"libmp3splt", u"sox", u"FFmpeg"};

QString systemName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Windows");
#else
    return QStringLiteral("Linux");
#endif
}

// Who built the FFmpeg that runs: Debian for its own packages, else whoever it names.
QString ffmpegMaker(const QString& version, const QString& output)
{
    if (version.contains(QStringLiteral("deb")))
        return QStringLiteral("the Debian Multimedia Maintainers");
    static const QRegularExpression copyright(QStringLiteral("Copyright \\(c\\) \\S+ ([^\\r\\n]+)"));
    return copyright.match(output).captured(1).trimmed();
}

} // namespace

TabtFrm::TabtFrm(PlatformServices& services, ErrorReport& errors, QUrl donationPage, QWidget* parent)
    : QDialog(parent, AboutWindowFlags)
    , ui(std::make_unique<Ui::TabtFrm>())
    , services_(services)
    , donationPage_(std::move(donationPage))
{
    ui->setupUi(this);
    LayoutProperties::apply(this);
    for (const ToolSet::RoleEntry& entry : ToolSet::Roles)
        toolLines_[std::size_t(entry.role)] =
            ToolNames[std::size_t(entry.role)].toString() + QStringLiteral(" version \u2026");
    ui->Memo1->setPlainText(toolList(toolLines_));
    errors.route(ui->Button1, &QPushButton::clicked, this, &TabtFrm::Button1Click);
    errors.route(ui->Button2, &QPushButton::clicked, this, &TabtFrm::Button2Click);
}

TabtFrm::~TabtFrm() = default;

QString TabtFrm::toolLine(const ToolVersionQuery::Answer& answer)
{
    const QString name = ToolNames[std::size_t(answer.role)].toString();
    if (!answer.started)
        return name + QStringLiteral(" is missing");
    if (answer.version.isEmpty())
        return name + QStringLiteral(" version unknown");
    QString line = name + QStringLiteral(" version ") + answer.version;
    switch (answer.role) {
    case ToolSet::Role::Splitter:
        break;
    case ToolSet::Role::Fader:
        line += QStringLiteral(" for ") + systemName();
        break;
    case ToolSet::Role::Converter: {
        line += QStringLiteral(" for ") + systemName() + u' ' + QSysInfo::currentCpuArchitecture();
        const QString maker = ffmpegMaker(answer.version, answer.output);
        if (!maker.isEmpty())
            line += QStringLiteral(" by ") + maker;
        break;
    }
    }
    return line;
}

QString TabtFrm::toolList(const std::array<QString, ToolSet::Roles.size()>& lines)
{
    return QStringList{
        lines[std::size_t(ToolSet::Role::Splitter)],
        QString(),
        QStringLiteral("      (c) 2002-2005 Matteo Trotta"),
        QStringLiteral("      (c) 2005-2014 Alexandru Ionut Munteanu"),
        QString(),
        lines[std::size_t(ToolSet::Role::Fader)],
        QString(),
        lines[std::size_t(ToolSet::Role::Converter)],
    }
        .join(QLatin1Char('\n'));
}

void TabtFrm::showModal()
{
    // The tools that run are the ones beside the program now, not those of the build machine;
    // they answer while the window is already shown.
    if (!versions_) {
        versions_ = std::make_unique<ToolVersionQuery>(ToolSet::forRunningProgram());
        connect(versions_.get(), &ToolVersionQuery::answered, this, [this](const ToolVersionQuery::Answer& answer) {
            toolLines_[std::size_t(answer.role)] = toolLine(answer);
            ui->Memo1->setPlainText(toolList(toolLines_));
        });
        versions_->start();
    }
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

void TabtFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Qt places a dialog's first showing from an estimate of its frame; where the system
    // draws the frames they are known now, and the frame is centred on the main window's.
    if (!lastPosition_ && parentWidget() && frameGeometry() != geometry()) {
        QRect frame = frameGeometry();
        frame.moveCenter(parentWidget()->window()->frameGeometry().center());
        move(frame.topLeft());
    }
}

void TabtFrm::hideEvent(QHideEvent* event)
{
    lastPosition_ = pos();
    QDialog::hideEvent(event);
}
