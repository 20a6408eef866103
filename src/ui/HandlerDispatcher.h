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

    // Runs window->handler() through call() whenever the sender emits the signal.
    template <typename Sender, typename Signal, typename Window>
    void route(Sender* sender, Signal signal, Window* window, void (Window::*handler)())
    {
        connect(sender, signal, window, [this, window, handler] { call([window, handler] { (window->*handler)(); }); });
    }

protected:
    bool event(QEvent* event) override;
};
