#pragma once

#include <QDialog>
#include <QPoint>
#include <QUrl>

#include <memory>
#include <optional>

namespace Ui {
class TabtFrm;
}
class PlatformServices;

// The About window: the program's name and version and the tools it runs. Created once,
// hidden by closing, and shown modally again on request.
class TabtFrm : public QDialog {
    Q_OBJECT
public:
    TabtFrm(PlatformServices& services, QUrl donationPage, QWidget* parent = nullptr);
    ~TabtFrm() override;

    // Shows the window modally and returns when it is closed.
    void showModal();

    // The lines of the tool list for the tools this build runs.
    static QString toolList();

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::unique_ptr<Ui::TabtFrm> ui;
    PlatformServices& services_;
    QUrl donationPage_;
    std::optional<QPoint> lastPosition_;
};
