#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/program.h"
#include "platform/controls.h"
#include "support/recording_services.h"

namespace {

// The sketch's member and load letters, found by caption in the order the screen creates them.
std::vector<const platform::Label*> lettersCaptioned(const platform::Form& form, const std::string& caption) {
    std::vector<const platform::Label*> found;
    for (const platform::Control* c : form.controls())
        if (c->kind() == platform::ControlKind::Label)
            if (auto* l = static_cast<const platform::Label*>(c); l->caption() == caption) found.push_back(l);
    return found;
}

// A freshly created section screen: every control visible (the opener chooses the ground shape's
// sketch), "変更" at its size, and the sketch's letters where the member points lie.
TEST(SectionScreenLayout, AFreshScreenShowsEveryControlAndPlacesTheSketchLetters) {
    testing_support::RecordingServices services;
    app::Program prog;
    auto& f = prog.Form7();

    EXPECT_EQ(std::make_tuple(f.cmd6.left(), f.cmd6.top(), f.cmd6.width(), f.cmd6.height()),
              std::make_tuple(3780, 1305, 735, 345));
    for (const platform::Control* c : f.controls())
        EXPECT_TRUE(c->visible()) << c->name();

    // Letter, then its positions (left, top) in creation order; the front δ sits 15 twips higher than
    // the member points' row so that the low front ground line, shown at creation, does not cross it.
    const std::vector<std::pair<std::string, std::vector<std::pair<int, int>>>> letters{
        {"Ａ", {{6150, 5070}, {6780, 5070}}},
        {"Ｂ", {{5970, 5700}, {7050, 5700}}},
        {"Ｇ", {{5850, 6150}}},
        {"Ｄ", {{6150, 6150}}},
        {"Ｃ", {{6540, 6150}}},
        {"Ｅ", {{6870, 6150}}},
        {"Ｆ", {{7230, 6150}}},
        {"H", {{6300, 6630}}},
        {"ΔPA", {{4980, 4980}, {7740, 5010}}},
        {"PA", {{5160, 5370}, {7800, 5250}}},
        {"δ", {{5520, 5445}, {7470, 5460}}},
    };
    for (const auto& [caption, positions] : letters) {
        std::vector<std::pair<int, int>> shown;
        for (const platform::Label* l : lettersCaptioned(f, caption))
            shown.emplace_back(l->left(), l->top());
        std::sort(shown.begin(), shown.end());
        auto expected = positions;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected) << caption;
    }
    EXPECT_EQ(std::make_pair(f.Label100.left(), f.Label100.top()), std::make_pair(4980, 4980));
    EXPECT_EQ(std::make_pair(f.Label101.left(), f.Label101.top()), std::make_pair(5160, 5370));
    EXPECT_EQ(std::make_pair(f.Label102.left(), f.Label102.top()), std::make_pair(5520, 5445));
}

} // namespace
