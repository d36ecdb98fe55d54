#pragma once

#include <QObject>
#include <functional>

class QEvent;

namespace voxtrel {

// An event filter for one widget role: Handle sees each event of the watched object first
// and returns true for one it has dealt with.
class EventHook : public QObject {
public:
    using Handler = std::function<bool(QEvent* Event)>;
    // Installs itself on Watched, which owns it.
    EventHook(QObject* Watched, Handler Handle);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    Handler m_Handle;
};

} // namespace voxtrel
