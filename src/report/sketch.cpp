#include "report/sketch.h"

#include <algorithm>
#include <limits>

#include "platform/runtime.h"
#include "report/page_format.h"

namespace report {
namespace {

char32_t nextChar(const std::string& s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t v = n == 1 ? c : c & (0x3F >> (n - 1));
    for (int k = 1; k < n && i + k < s.size(); ++k)
        v = (v << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n;
    return v;
}

bool overlap(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool within(const Area& a, const Area& room) {
    return a.left >= room.left && a.right <= room.right && a.top >= room.top && a.bottom <= room.bottom;
}

Area grown(Area a, double across, double upDown) {
    return {a.left - across, a.top - upDown, a.right + across, a.bottom + upDown};
}

// The room a text keeps around it at its first place, and, when it is moved, across and up or down (its
// line height already leaves some above and below the letters); the steps of the search.
constexpr double kTouch = 2;
constexpr double kSpareAcross = 20;
constexpr double kSpareUpDown = 5;
constexpr double kStep = 10;
constexpr int kSteps = 120;

} // namespace

Area textArea(double x, double y, const std::string& text, double size) {
    const double full = size * 20, half = full / 2;
    double at = x, left = x, right = x;
    bool inked = false;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextChar(text, i);
        const double w = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? half : full;
        if (c != U' ') {
            if (!inked) left = at;
            inked = true;
            right = at + w;
        }
        at += w;
    }
    if (!inked) left = right = x;
    return {left, y, right, y + full};
}

bool crosses(double x1, double y1, double x2, double y2, const Area& a) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - a.left, a.right - x1, y1 - a.top, a.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
    }
    return t0 < t1;
}

void Sketch::line(double x1, double y1, double x2, double y2) {
    items_.emplace_back(Segment{x1, y1, x2, y2});
}

// A line may pass under a text's baseline, through the room kept for descenders: the texts of a drawing
// are names and numbers that have none worth keeping clear.
bool Sketch::clear(double x, double y, const std::string& text, double size, double across,
                   double upDown) const {
    const Area area = textArea(x, y, text, size);
    if (area.right <= area.left) return true;
    if (!within(area, room_)) return false;
    Area above = grown(area, across, upDown);
    above.bottom -= size * 20 / 8;
    const Area around = grown(area, across, upDown);
    for (const auto& item : items_) {
        if (const auto* s = std::get_if<Segment>(&item)) {
            if (crosses(s->x1, s->y1, s->x2, s->y2, above)) return false;
        } else {
            const auto& l = std::get<Label>(item);
            if (overlap(around, textArea(l.x, l.y, l.text, l.size))) return false;
        }
    }
    return true;
}

void Sketch::text(const std::string& text, double size, std::initializer_list<Place> places,
                  std::initializer_list<Move> moves) {
    const Place first = *places.begin();
    auto put = [&](Place p) {
        items_.emplace_back(Label{platform::toSingle(p.x), platform::toSingle(p.y), text, size});
    };
    if (clear(first.x, first.y, text, size, kTouch, kTouch)) return put(first);
    for (const Place* p = places.begin() + 1; p != places.end(); ++p)
        if (clear(p->x, p->y, text, size, kSpareAcross, kSpareUpDown)) return put(*p);
    for (int k = 1; k <= kSteps; ++k)
        for (const Move& m : moves) {
            const Place p{first.x + m.dx * k * kStep, first.y + m.dy * k * kStep};
            if (clear(p.x, p.y, text, size, kSpareAcross, kSpareUpDown)) return put(p);
        }
    put(first);
}

Area Sketch::extent() const {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Area e{inf, inf, -inf, -inf};
    auto add = [&](const Area& a) {
        e.left = std::min(e.left, a.left);
        e.top = std::min(e.top, a.top);
        e.right = std::max(e.right, a.right);
        e.bottom = std::max(e.bottom, a.bottom);
    };
    for (const auto& item : items_) {
        if (const auto* s = std::get_if<Segment>(&item)) {
            add({std::min(s->x1, s->x2), std::min(s->y1, s->y2), std::max(s->x1, s->x2),
                 std::max(s->y1, s->y2)});
        } else {
            const auto& l = std::get<Label>(item);
            const Area a = textArea(l.x, l.y, l.text, l.size);
            if (a.right > a.left) add(a);
        }
    }
    return e.left <= e.right ? e : Area{};
}

void Sketch::draw(platform::Surface& s) const {
    for (const auto& item : items_) {
        if (const auto* l = std::get_if<Segment>(&item)) {
            s.line(l->x1, l->y1, l->x2, l->y2);
        } else {
            const auto& t = std::get<Label>(item);
            if (s.fontSize() != t.size) s.setFontSize(t.size);
            placeText(s, t.x, t.y, {t.text});
        }
    }
}

} // namespace report
