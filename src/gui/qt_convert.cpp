#include "gui/qt_convert.h"

#include <cmath>

#include "platform/surface.h"

namespace gui {

int twipsToPx(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double pxToTwips(double px) {
    return px * kTwipsPerPixel;
}

QString substituteFont(std::string_view name) {
    if (name == platform::kMincho) return QStringLiteral("IPAMincho");
    if (name == platform::kGothic) return QStringLiteral("IPAGothic");
    if (name == "ＭＳ Ｐ明朝") return QStringLiteral("IPAPMincho");
    if (name == "ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
    return qs(name);
}

QString pageText(std::string_view text) {
    QString t = qs(text);
    t.replace(QChar(0x2211), QChar(0x03A3));
    return t;
}

QFont controlFont(std::string_view name, double pointSize, bool bold) {
    QFont font(substituteFont(name));
    if (pointSize > 0) font.setPointSizeF(pointSize);
    font.setBold(bold);
    if (font.pointSizeF() <= kCrispPointSize) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    return font;
}

int utf16Index(const QString& s, int codePoints) {
    int i = 0;
    while (codePoints > 0 && i < s.size()) {
        i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
        --codePoints;
    }
    return i;
}

int codePointIndex(const QString& s, int utf16) {
    int n = 0;
    for (int i = 0; i < utf16 && i < s.size(); ++i)
        if (!s.at(i).isLowSurrogate()) ++n;
    return n;
}

} // namespace gui
