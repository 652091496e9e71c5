#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace platform {

class Form;

// Marks the run of an event handler. Forms unloaded while a handler runs are kept alive until the
// outermost handler returns, so that a handler may unload its own form.
class EventScope {
public:
    EventScope();
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

    static int depth();
};

void deferDelete(std::unique_ptr<Form> form);
// Deletes the deferred forms now; called when no handler runs.
void flushDeferred();

// Runs an event handler, if one is attached, inside an EventScope.
template <class Handler, class... Args> void fire(const Handler& handler, Args&&... args) {
    if (!handler) return;
    EventScope scope;
    handler(std::forward<Args>(args)...);
}

} // namespace platform
