// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ToolSet.h"
#include "ToolVersionQuery.h"

#include <QDialog>
#include <QPoint>
#include <QUrl>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class TabtFrm;
}
class ErrorReport;
class PlatformServices;

// The About window: the program's name and version and the tools it runs, whose versions
// it asks the installed tools for when it is first shown. Created once, hidden by closing,
// and shown modally again on request.
class TabtFrm : public QDialog {
    Q_OBJECT
public:
    TabtFrm(PlatformServices& services, ErrorReport& errors, QUrl donationPage, QWidget* parent = nullptr);
    ~TabtFrm() override;

    // Shows the window modally and returns when it is closed.
    void showModal();

    // The tool list's line for a tool, once it has answered.
    static QString toolLine(const ToolVersionQuery::Answer& answer);
    // The eight lines of the tool list, from the three tools' lines.
    static QString toolList(const std::array<QString, ToolSet::Roles.size()>& lines);

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::unique_ptr<Ui::TabtFrm> ui;
    PlatformServices& services_;
    QUrl donationPage_;
    std::optional<QPoint> lastPosition_;
    std::array<QString, ToolSet::Roles.size()> toolLines_;
    std::unique_ptr<ToolVersionQuery> versions_;
};
