#include "HandlerDispatcher.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const QEvent::Type HandlerEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class HandlerEvent : public QEvent {
public:
    explicit HandlerEvent(std::function<void()> handler)
        : QEvent(HandlerEventType), handler(std::move(handler))
    {
    }
    std::function<void()> handler;
};

} // namespace

void HandlerDispatcher::call(std::function<void()> handler)
{
    HandlerEvent event(std::move(handler));
    QCoreApplication::sendEvent(this, &event);
}

bool HandlerDispatcher::event(QEvent* event)
{
    if (event->type() != HandlerEventType)
        return QObject::event(event);
    static_cast<HandlerEvent*>(event)->handler();
    return true;
}
