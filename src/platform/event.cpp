#include "platform/event.h"

#include <vector>

#include "platform/form.h"

namespace platform {
namespace {
int gDepth = 0;
std::vector<std::unique_ptr<Form>>& graveyard() {
    static std::vector<std::unique_ptr<Form>> forms;
    return forms;
}
} // namespace

EventScope::EventScope() {
    ++gDepth;
}

EventScope::~EventScope() {
    if (--gDepth == 0) flushDeferred();
}

int EventScope::depth() {
    return gDepth;
}

void deferDelete(std::unique_ptr<Form> form) {
    if (!form) return;
    if (gDepth == 0) return; // deleted here, at the end of this statement
    graveyard().push_back(std::move(form));
}

void flushDeferred() {
    // Deleting a form may unload others; keep going until nothing is left.
    while (!graveyard().empty()) {
        auto forms = std::move(graveyard());
        graveyard().clear();
        forms.clear();
    }
}

} // namespace platform
