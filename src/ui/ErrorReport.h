// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include <QObject>

#include <exception>

// Where an error that escapes a window's handler goes: the application's error report.
// Handlers run inside call(), so no error ever unwinds through Qt's frames.
class ErrorReport {
public:
    virtual ~ErrorReport() = default;

    virtual void report(const std::exception_ptr& error) = 0;

    // Runs the handler; an error escaping it is reported, and the program goes on.
    template <typename Handler>
    void call(Handler&& handler)
    {
        try {
            handler();
        } catch (...) {
            report(std::current_exception());
        }
    }

    // Runs window->handler() through call() whenever the sender emits the signal.
    template <typename Sender, typename Signal, typename Window>
    void route(Sender* sender, Signal signal, Window* window, void (Window::*handler)())
    {
        QObject::connect(sender, signal, window, [this, window, handler] { call([&] { (window->*handler)(); }); });
    }
};
