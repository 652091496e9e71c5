#include "app/project_file.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "app/program.h"
#include "platform/controls.h"
#include "platform/line_file.h"
#include "platform/runtime.h"

namespace app {

using model::DesignData;
using platform::Fault;

namespace {

constexpr LineKind C = LineKind::Choice;
constexpr LineKind K = LineKind::Check;
constexpr LineKind T = LineKind::Text;
constexpr LineKind N = LineKind::Number;

struct MemberLines {
    std::string_view caption, list, cover, maxSpacing, spacing;
    std::array<std::string_view, 4> results;
    std::array<float DesignData::*, 4> bar;
};

// The members in file order: A, B, C, D, E, F, G, H.
constexpr std::array<MemberLines, 8> kMembers{{
    {"Label1",
     "cbo1",
     "lbl_r1",
     "lbl_ra",
     "txt1",
     {"lbl1", "lbl2", "lbl3", "lbl4"},
     {&DesignData::BarArea_r1, &DesignData::BarPeri_r1, &DesignData::Cover_r1, &DesignData::CoverC_r1}},
    {"Label2",
     "cbo2",
     "lbl_r2",
     "lbl_rb",
     "txt2",
     {"lbl5", "lbl6", "lbl7", "lbl8"},
     {&DesignData::BarArea_r2, &DesignData::BarPeri_r2, &DesignData::Cover_r2, &DesignData::CoverC_r2}},
    {"Label5",
     "cbo5",
     "lbl_r5",
     "lbl_re",
     "txt5",
     {"lbl17", "lbl18", "lbl19", "lbl20"},
     {&DesignData::BarArea_r5, &DesignData::BarPeri_r5, &DesignData::Cover_r5, &DesignData::CoverC_r5}},
    {"Label6",
     "cbo6",
     "lbl_r6",
     "lbl_rf",
     "txt6",
     {"lbl21", "lbl22", "lbl23", "lbl24"},
     {&DesignData::BarArea_r6, &DesignData::BarPeri_r6, &DesignData::Cover_r6, &DesignData::CoverC_r6}},
    {"Label7",
     "cbo7",
     "lbl_r7",
     "lbl_rg",
     "txt7",
     {"lbl25", "lbl26", "lbl27", "lbl28"},
     {&DesignData::BarArea_r7, &DesignData::BarPeri_r7, &DesignData::Cover_r7, &DesignData::CoverC_r7}},
    {"Label8",
     "cbo8",
     "lbl_r8",
     "lbl_rh",
     "txt8",
     {"lbl29", "lbl30", "lbl31", "lbl32"},
     {&DesignData::BarArea_r8, &DesignData::BarPeri_r8, &DesignData::Cover_r8, &DesignData::CoverC_r8}},
    {"Label9",
     "cbo9",
     "lbl_r9",
     "lbl_ri",
     "txt9",
     {"lbl33", "lbl34", "lbl35", "lbl36"},
     {&DesignData::BarArea_r9, &DesignData::BarPeri_r9, &DesignData::Cover_r9, &DesignData::CoverC_r9}},
    {"Label10",
     "cbo10",
     "lbl_r10",
     "lbl_rj",
     "txt10",
     {"lbl37", "lbl38", "lbl39", "lbl40"},
     {&DesignData::BarArea_r10, &DesignData::BarPeri_r10, &DesignData::Cover_r10, &DesignData::CoverC_r10}},
}};

std::array<ProjectLine, kProjectLines> buildLines() {
    std::vector<ProjectLine> v;
    v.reserve(kProjectLines);
    // Lines 1 to 103: the screens and dialogs in screen order.
    const ProjectLine head[] = {
        {"Form3", "opt_T", C},
        {"Form3", "opt_D", C},
        {"Form3", "txt1", T, nullptr, "築造地"},
        {"Form3", "txt2", N, nullptr, "コンクリートの設計基準強度：σ28"},
        {"Form3", "txt3", N, nullptr, "鉄筋の許容引張応力度（長期）：σsa"},
        {"Form3", "txt4", N, nullptr, "許容地耐力度（長期）：fe"},
        {"Form3", "txt5", N, nullptr, "土の単位体積重量：γs"},
        {"Form3", "txt6", N, nullptr, "鉄筋コンクリートの単位体積重量：γc"},
        {"Form3", "txt8", N, nullptr, "背面土の{}", "lbl14"},
        {"Form3", "txt9", N, nullptr, "底面の摩擦係数：μ"},
        {"Form3", "txt10", N, nullptr, "壁背面と土との間の壁面摩擦角：δ"},
        {"Form3", "txt11", N, nullptr, "支持地盤の{}", "lbl10"},
        {"Form3", "txt13", N, nullptr, "鉄筋の許容引張応力度（短期）：σsa"},
        {"Form3", "txt14", N, nullptr, "支持地盤の土の粘着力：Ｃ"},
        {"Form3", "cbo1", T, nullptr, "背面土の土質"},
        {"Form3", "cbo2", T, nullptr, "支持地盤の土質"},
        {"Form3", "opt3", C},
        {"Form3", "opt4", C},
        {"Form3", "opt5", C},
        {"Form3", "opt6", C},
        {"Form3", "opt7", C},
        {"Form3", "opt8", C},
        {"Form23", "opt1", C},
        {"Form23", "opt2", C},
        {"Form4", "txt1", T, nullptr, "§番号"},
        {"Form4", "txt2", T, nullptr, "擁壁の記号"},
        {"Form4", "txt3", N, nullptr, "H3"},
        {"Form4", "txt4", N, nullptr, "H4"},
        {"Form4", "txt5", N, nullptr, "H1"},
        {"Form4", "txt6", N, nullptr, "H2"},
        {"Form4", "txt7", N, nullptr, "前たて壁の天端幅"},
        {"Form4", "txt8", N, nullptr, "前たて壁内側の勾配"},
        {"Form4", "txt9", N, nullptr, "後たて壁の天端幅"},
        {"Form4", "txt10", N, nullptr, "後たて壁内側の勾配"},
        {"Form4", "txt11", N, nullptr, "主働土圧係数 KA"},
        {"Form4", "txt12", N, nullptr, "つま先版の長さ"},
        {"Form4", "txt13", N, nullptr, "前たて壁の厚さ"},
        {"Form4", "txt14", N, nullptr, "壁の内のり"},
        {"Form4", "txt15", N, nullptr, "後たて壁の厚さ"},
        {"Form4", "txt16", N, nullptr, "かかと版の長さ"},
        {"Form4", "txt17", N, nullptr, "底版の厚さ"},
        {"Form4", "txt18", N, nullptr, "つま先版先端の厚さ"},
        {"Form4", "txt19", N, nullptr, "かかと版先端の厚さ"},
        {"Form4", "txt20", N, nullptr, "中央土の深さ"},
        {"Form4", "txt21", N, nullptr, "背面土の上載荷重"},
        {"Form4", "txt22", N, nullptr, "中央土の上載荷重"},
        {"Form4", "txt23", N, nullptr, "前面土の上載荷重"},
        {"Form4", "opt3", C},
        {"Form4", "opt4", C},
        {"Form4", "opt5", C},
        {"Form4", "opt6", C},
        {"Form4", "opt7", C},
        {"Form4", "opt8", C},
    };
    v.insert(v.end(), std::begin(head), std::end(head));
    for (auto name :
         {"lbl52", "lbl53", "lbl54", "lbl56", "lbl57", "lbl58", "lbl59", "lbl60", "lbl61", "lbl62", "lbl64",
          "lbl65", "lbl66", "lbl67", "lbl68", "lbl69", "lbl70", "lbl71", "lbl72", "lbl73", "lbl33"})
        v.push_back({"Form4", name, T});
    const ProjectLine dialogs[] = {
        {"Form4", "chk1", K},
        {"Form19", "txt1", N, nullptr, "突起の高さ (Ｈ0)"},
        {"Form19", "txt2", N, nullptr, "突起の位置(B1)"},
        {"Form19", "txt3", N, nullptr, "突起の幅(Ｄ)"},
        {"Form19", "chk1", K},
        {"Form25", "opt_K1", C},
        {"Form25", "opt_K2", C},
        {"Form25", "opt_D1", C},
        {"Form25", "Text1", N, nullptr, "設計水平震度　Kh"},
        {"Form25", "Text2", N, nullptr, "設計鉛直震度　Kv"},
        {"Form14", "opt4", C},
        {"Form14", "opt5", C},
        {"Form21", "opt1", C},
        {"Form21", "opt2", C},
        {"Form21", "opt5", C},
        {"Form21", "opt6", C},
        {"Form21", "opt7", C},
        {"Form21", "opt8", C},
        {"Form21", "chk1", K},
        {"Form21", "txt1", N, nullptr, "安全性の検討方法（地震時）の作用位置"},
        {"Form21", "lbl2", T},
        {"Form21", "lbl3", T},
        {"Form22", "txt1", N, nullptr, "たて壁の鉄筋のかぶり厚さ"},
        {"Form22", "txt3", N, nullptr, "底版の鉄筋のかぶり厚さ"},
        {"Form22", "txt4", N, nullptr, "かかと版の鉄筋のかぶり厚さ"},
        {"Form22", "txt5", N, nullptr, "つま先版の鉄筋のかぶり厚さ"},
        {"Form22", "txt6", N, nullptr, "突起の鉄筋のかぶり厚さ"},
        {"Form7", "chk_1", K},
        {"Form7", "txt_1", N, nullptr, "断面計算の作用位置"},
    };
    v.insert(v.end(), std::begin(dialogs), std::end(dialogs));
    // Lines 104 to 199: member by member, each group in member order.
    for (const auto& m : kMembers)
        for (float DesignData::*value : m.bar)
            v.push_back({"", "", LineKind::Real, value});
    for (const auto& m : kMembers)
        v.push_back({"Form7", m.list, LineKind::List});
    for (const auto& m : kMembers)
        v.push_back({"Form7", m.cover, N});
    for (const auto& m : kMembers)
        v.push_back({"Form7", m.maxSpacing, T});
    for (const auto& m : kMembers)
        v.push_back({"Form7", m.spacing, N, nullptr, "{}の鉄筋の間隔（設計）", m.caption});
    for (const auto& m : kMembers)
        for (auto name : m.results)
            v.push_back({"Form7", name, T});

    std::array<ProjectLine, kProjectLines> a{};
    for (std::size_t i = 0; i < a.size() && i < v.size(); ++i)
        a[i] = v[i];
    return a;
}

platform::Form& formNamed(Program& p, std::string_view name) {
    if (name == "Form3") return p.Form3();
    if (name == "Form23") return p.Form23();
    if (name == "Form4") return p.Form4();
    if (name == "Form19") return p.Form19();
    if (name == "Form25") return p.Form25();
    if (name == "Form14") return p.Form14();
    if (name == "Form21") return p.Form21();
    if (name == "Form22") return p.Form22();
    return p.Form7();
}

template <class T> T* controlOf(Program& p, const ProjectLine& line) {
    return dynamic_cast<T*>(formNamed(p, line.form).findControl(line.control));
}

// A whole number text with blanks around it: sign, digits, a decimal point, an exponent.
std::optional<double> numberOf(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    // from_chars wants a digit or a minus first; ".5" and "-.5" are numbers too.
    std::string t;
    if (s.front() == '.')
        t = "0";
    else if (s.size() > 1 && s[0] == '-' && s[1] == '.')
        t = "-0", s.remove_prefix(1);
    t += s;
    double v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<bool> choiceOf(std::string_view s) {
    std::string lower;
    for (char ch : s)
        if (ch != ' ') lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (auto n = numberOf(s)) return *n != 0;
    return std::nullopt;
}

std::optional<int> wholeOf(std::string_view s, int lo, int hi) {
    auto n = numberOf(s);
    if (!n) return std::nullopt;
    const double r = platform::roundHalfEven(*n);
    if (r < lo || r > hi) return std::nullopt;
    return static_cast<int>(r);
}

std::optional<float> realOf(std::string_view s) {
    auto n = numberOf(s);
    if (!n || std::fabs(*n) > std::numeric_limits<float>::max()) return std::nullopt;
    return platform::toSingle(*n);
}

// Whether a line's text is a value its destination takes.
bool accepts(LineKind kind, std::string_view text) {
    switch (kind) {
    case LineKind::Choice:
        return choiceOf(text).has_value();
    case LineKind::Check:
        return wholeOf(text, 0, 2).has_value();
    case LineKind::List:
        return wholeOf(text, -1, 20).has_value();
    case LineKind::Real:
        return realOf(text).has_value();
    case LineKind::Text:
        return true;
    case LineKind::Number:
        return std::isfinite(platform::valSingle(text));
    }
    return false;
}

std::string textOf(platform::Control* c) {
    if (auto* box = dynamic_cast<platform::EditBox*>(c)) return box->text();
    if (auto* label = dynamic_cast<platform::Label*>(c)) return label->caption();
    return {};
}

// One line of a text: the file has no room for a line end inside a value, and a NUL would end the
// value for every reader.
std::string oneLine(std::string s) {
    for (char& ch : s)
        if (ch == '\r' || ch == '\n' || ch == '\0') ch = ' ';
    return s;
}

// A caption as the screen shows it, without the "=" before its box.
std::string captionText(Program& prog, const ProjectLine& line, std::string_view label) {
    const auto* c = dynamic_cast<const platform::Label*>(formNamed(prog, line.form).findControl(label));
    std::string text = c ? c->caption() : std::string();
    while (!text.empty() && (text.back() == '=' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string boxName(Program& prog, const ProjectLine& line) {
    std::string name(line.meaning);
    if (auto at = name.find("{}"); at != std::string::npos && !line.captionLabel.empty())
        name.replace(at, 2, captionText(prog, line, line.captionLabel));
    // A caption the program writes: the screen it is on, by the screen's title.
    if (name.empty()) name = captionText(prog, line, "lblTitle");
    return "「" + name + "」";
}

} // namespace

platform::Control* projectControl(Program& prog, const ProjectLine& line) {
    if (line.kind == LineKind::Real) return nullptr;
    return controlOf<platform::Control>(prog, line);
}

const std::array<ProjectLine, kProjectLines>& projectLines() {
    static const auto lines = buildLines();
    return lines;
}

platform::Result<ProjectImage> gatherProject(Program& prog) {
    ProjectImage out;
    out.reserve(kProjectLines);
    for (const auto& line : projectLines()) {
        switch (line.kind) {
        case LineKind::Choice: {
            auto* option = controlOf<platform::OptionButton>(prog, line);
            out.push_back(option && option->value() ? "True" : "False");
            break;
        }
        case LineKind::Check: {
            auto* box = controlOf<platform::CheckBox>(prog, line);
            out.push_back(platform::str(static_cast<float>(box ? box->value() : 0)));
            break;
        }
        case LineKind::List: {
            auto* list = controlOf<platform::ComboBox>(prog, line);
            out.push_back(platform::str(static_cast<float>(list ? list->listIndex() : -1)));
            break;
        }
        case LineKind::Real:
            out.push_back(platform::str(prog.d.*line.value));
            break;
        case LineKind::Text:
        case LineKind::Number: {
            std::string text = oneLine(textOf(controlOf<platform::Control>(prog, line)));
            if (auto encoded = platform::toCp932(text); !encoded)
                return Fault{boxName(prog, line) + "に保存できない文字があります。\n" +
                             encoded.fault().message};
            out.push_back(std::move(text));
            break;
        }
        }
    }
    return out;
}

platform::Status saveProject(Program& prog, const std::string& path) {
    auto image = gatherProject(prog);
    if (!image) return image.fault();
    // The writer's fault names the file and the reason.
    return platform::writeLines(path, *image);
}

platform::Result<ProjectImage> checkProject(std::vector<std::string> lines) {
    if (lines.size() < static_cast<std::size_t>(kProjectLines))
        return Fault{"行が足りません（" + std::to_string(lines.size()) + "行。" +
                     std::to_string(kProjectLines) + "行が必要です）。"};
    lines.resize(kProjectLines);
    const auto& table = projectLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (accepts(table[i].kind, lines[i])) continue;
        const std::string at = std::to_string(i + 1) + "行目の";
        if (table[i].kind != LineKind::Number) return Fault{at + "値「" + lines[i] + "」は読み込めません。"};
        // A name made from a caption the screens change is left out: no screen is read here.
        const std::string_view name = table[i].captionLabel.empty() ? table[i].meaning : std::string_view();
        return Fault{at + (name.empty() ? "" : "「" + std::string(name) + "」の") + "値「" + lines[i] +
                     "」が大きすぎます。"};
    }
    return lines;
}

platform::Result<ProjectImage> readProject(const std::string& path) {
    const std::string head = "プロジェクトファイルを開けません。\n";
    auto lines = platform::readLines(path);
    // The reader's fault names the file already.
    if (!lines) return Fault{head + lines.fault().message};
    auto image = checkProject(std::move(*lines));
    if (!image) return Fault{head + "「" + path + "」\n" + image.fault().message};
    return image;
}

void storeLines(Program& prog, const ProjectImage& image, int first, int last) {
    const auto& table = projectLines();
    for (int n = first; n <= last && n <= static_cast<int>(image.size()); ++n) {
        const ProjectLine& line = table[static_cast<std::size_t>(n - 1)];
        const std::string& text = image[static_cast<std::size_t>(n - 1)];
        switch (line.kind) {
        case LineKind::Choice:
            if (auto* option = controlOf<platform::OptionButton>(prog, line))
                if (auto v = choiceOf(text)) option->setValue(*v);
            break;
        case LineKind::Check:
            if (auto* box = controlOf<platform::CheckBox>(prog, line))
                if (auto v = wholeOf(text, 0, 2)) (void)box->setValue(*v);
            break;
        case LineKind::List:
            if (auto* list = controlOf<platform::ComboBox>(prog, line))
                if (auto v = wholeOf(text, -1, 20)) (void)list->setListIndex(*v);
            break;
        case LineKind::Real:
            if (auto v = realOf(text)) prog.d.*line.value = *v;
            break;
        case LineKind::Text:
        case LineKind::Number: {
            auto* c = controlOf<platform::Control>(prog, line);
            if (auto* box = dynamic_cast<platform::EditBox*>(c))
                box->setText(text);
            else if (auto* label = dynamic_cast<platform::Label*>(c))
                label->setCaption(text);
            break;
        }
        }
    }
}

} // namespace app
