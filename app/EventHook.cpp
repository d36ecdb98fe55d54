#include "app/EventHook.h"

#include <utility>

namespace voxtrel {

EventHook::EventHook(QObject* Watched, Handler Handle)
    : QObject(Watched), m_Handle(std::move(Handle)) {
    Watched->installEventFilter(this);
}

bool EventHook::eventFilter(QObject* Watched, QEvent* Event) {
    return Watched == parent() && m_Handle(Event);
}

} // namespace voxtrel
