#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "platform/color.h"

namespace gui {

// Screen positions are in twips: 15 twips to a pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;
int twipsToPx(double twips);
double pxToTwips(double px);

// The desktop fonts the program names, by the fonts installed here.
QString substituteFont(std::string_view name);
// A page's text as the substituted fonts set it: a character they lack, which another font would set
// out of line, becomes the look-alike they have ("∑" the "Σ" of the other sums).
QString pageText(std::string_view text);
// The font of a control. Up to kCrispPointSize the glyphs are drawn without antialiasing, crisp as
// the small bitmap fonts of the screens' design; larger type is smoothed. The outlines are left
// unhinted: hinting the IPA fonts at these sizes closes the gaps of "m" ("mm" read as "nn").
inline constexpr double kCrispPointSize = 10.5;
QFont controlFont(std::string_view name, double pointSize, bool bold = false);

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string utf8(const QString& s) {
    return s.toStdString();
}
inline QColor toQColor(platform::Color c) {
    return QColor(c.r, c.g, c.b);
}

// The model counts characters (code points), QString counts UTF-16 units.
int utf16Index(const QString& s, int codePoints);
int codePointIndex(const QString& s, int utf16);

} // namespace gui
