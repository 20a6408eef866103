#pragma once

#include <QObject>

#include <functional>

// Runs a window's handler as an event sent through the application object, so an error
// the handler raises reaches the application's error report without passing through
// Qt's signal machinery.
class HandlerDispatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void call(std::function<void()> handler);

protected:
    bool event(QEvent* event) override;
};
