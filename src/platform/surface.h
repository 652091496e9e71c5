#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/color.h"

namespace platform {

// The report's font and the screens' font, as the program names them.
inline constexpr std::string_view kMincho = "ＭＳ 明朝";
inline constexpr std::string_view kGothic = "ＭＳ ゴシック";

enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2 };

// A text drawn with its top-left corner at (x, y); coordinates in twips.
struct TextOp {
    double x = 0, y = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;
    Color color;
    friend bool operator==(const TextOp&, const TextOp&) = default;
};

struct LineOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color;
    DrawStyle style = DrawStyle::Solid;
    friend bool operator==(const LineOp&, const LineOp&) = default;
};

using DrawOp = std::variant<TextOp, LineOp>;
using Page = std::vector<DrawOp>;

// One item of a text statement: a text, or a single-precision number written in its general form
// (" 150 ", "-1.5 ").
class PrintItem {
public:
    PrintItem(std::string_view text) : text_(text) {}
    PrintItem(const std::string& text) : text_(text) {}
    PrintItem(const char* text) : text_(text) {}
    PrintItem(float number);
    PrintItem(double) = delete; // format a number, or store it as a float first
    PrintItem(int) = delete;

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The height of one printed line of a font, in twips: the font's size, 20 twips a point, the pitch
// the pages' fixed positions are laid out for, the same on the screen, the printer and in a PDF
// whatever their resolution and the substituted font's leading. A test may set another.
using LineMetrics = std::function<double(std::string_view fontName, double size)>;
void setLineMetrics(LineMetrics metrics);
double lineHeight(std::string_view fontName, double size);

// The drawing surface of the report writers and the drawn sketches: a current position in twips,
// a font, a colour and a line style, and two drawing statements.
class Surface {
public:
    virtual ~Surface() = default;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    const std::string& fontName() const { return fontName_; }
    void setFontName(std::string name) { fontName_ = std::move(name); }
    double fontSize() const { return fontSize_; }
    void setFontSize(double size) { fontSize_ = size; }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }
    DrawStyle drawStyle() const { return drawStyle_; }
    void setDrawStyle(DrawStyle d) { drawStyle_ = d; }

    // A straight line; afterwards the current position is its end point.
    void line(double x1, double y1, double x2, double y2);
    // A text statement: the items one after another from the current position, then a line feed
    // (x back to 0, y one line of the current font lower). With no item only the line feed.
    // A line or a text at a non-finite position is not drawn: it is reported as reportNonFinite says.
    void print(std::initializer_list<PrintItem> items = {});
    void print(const std::vector<PrintItem>& items);

protected:
    virtual void draw(DrawOp op) = 0;
    void resetPosition() { x_ = y_ = 0; }

private:
    void statement(std::string text);

    double x_ = 0, y_ = 0;
    std::string fontName_{kMincho};
    double fontSize_ = 11.25;
    Color foreColor_ = kBlack;
    DrawStyle drawStyle_ = DrawStyle::Solid;
};

// Keeps what is drawn, page by page.
class RecordingSurface : public Surface {
public:
    RecordingSurface() : pages_(1) {}

    const std::vector<Page>& pages() const { return pages_; }
    const Page& page() const { return pages_.back(); }

    // Erases the drawing and sets the position to (0, 0).
    void cls();
    // Ends the current page and starts an empty one at (0, 0); font, colour and style stay.
    void newPage();
    // Drops every page; the drawing state stays.
    void discard();

    // Called after each change of the drawing, for a view to repaint.
    std::function<void()> onDrawn;

protected:
    void draw(DrawOp op) override;

private:
    std::vector<Page> pages_;
};

} // namespace platform
