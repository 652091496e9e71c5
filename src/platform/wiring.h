#pragma once

#include <functional>
#include <initializer_list>

namespace platform {

// One event of a control and the form's handler for it, e.g. {&cmd1.onClick, &Form7::cmd1_Click}.
template <class Owner> struct Handler {
    std::function<void()>* event;
    void (Owner::*handler)();
};

// Wires each event to its handler on `owner`: one call per form instead of a lambda per control.
template <class Owner> void wire(Owner& owner, std::initializer_list<Handler<Owner>> handlers) {
    for (const Handler<Owner>& h : handlers)
        *h.event = [&owner, f = h.handler] { (owner.*f)(); };
}

} // namespace platform
