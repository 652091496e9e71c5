#pragma once

#include <QLineF>
#include <QPrinter>
#include <QRectF>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "platform/surface.h"

namespace gui_test {

// Something printed on a sheet, where the printer puts it: in twips from the printable area's top-left
// corner, as the program's print path paints it.
struct PrintedItem {
    bool text = false;
    QRectF box;                 // a text's ink (its glyphs' bounds); a line's bounding box
    QRectF set;                 // a text's box as the drawings keep it clear
    std::vector<QRectF> glyphs; // a text's glyphs, each its own ink
    QLineF line;                // a line
    bool dotted = false;        // a dotted line
    std::string what;           // 「text」 or "line (x1,y1)-(x2,y2)"
    bool pageNumber = false;
    std::vector<char32_t> lacking; // characters the text's font has no glyph for
};

// A fault of a printed sheet: `first` and `second` collide, or `first` leaves its place (`second` then
// names the place).
struct LayoutFault {
    int page = 0;
    std::string first, second;
    std::string message(const std::string& wall) const;
};

// Measures printed sheets with the printer's fonts and metrics: the substituted fonts through
// gui::pageFont on an A4 PDF printer at high resolution, whose printable area is the program's
// page when no printer is installed.
class SheetLayout {
public:
    SheetLayout();

    // What a sheet prints, measured.
    std::vector<PrintedItem> items(const platform::Page& sheet);
    // Every fault of report page `page` printed on a sheet: a text that reaches the page-number band
    // (from its line at 15500 twips down) or the printable edge, a text crossed by a line, two texts
    // that overlap or run together on one line, a line beyond the printable area or out of its figure's
    // frame (pages 2 and 4), a character that another font would set out of line.
    std::vector<LayoutFault> check(const platform::Page& sheet, int page);

    // Every fault of the dimension numbers of the wall drawing (page 2) or the section-force figure
    // (page 5) of the wall `d`: the rows and lines are read from the sheet (a row's extension lines mark
    // off its segments, whose lengths at the drawing's scale are the numbers due), and each number must
    // stand in its own row's band over the segment it measures (a crowded first or last one just beyond
    // the row's end), or be joined by a leader to its row's line within that segment, and no other number
    // in that band; a height's number beside its own line within its span, or joined to it by a leader.
    std::vector<LayoutFault> checkDimensions(const platform::Page& sheet, int page,
                                             const model::DesignData& d);
    // Every fault of the leaders of the wall drawing (page 2) or the section-force figure (page 5): the
    // slanted lines with a free end by a text. Each must slant, cross no other leader or text, and end at
    // what its text names: a part number in its part (outlines from `d`), a dimension number on its own
    // segment, a surcharge label on its block. It crosses at most one other line (a part or a hatched
    // block it passes through counted as one), unless the sheet has no free place, by the drawings' own
    // room, from which a leader would. Page 5 leads dimension numbers only. A part number also stands
    // inside its part or leads into it, and never over another part.
    std::vector<LayoutFault> checkLeaders(const platform::Page& sheet, int page, const model::DesignData& d);

    QPrinter& printer() { return printer_; }
    double printableWidth() const { return width_; }
    double printableHeight() const { return height_; }

    // Where the page number "－ n －" stands.
    static constexpr double kPageNumberX = 5500, kPageNumberY = 15500;
    // Two texts on one line closer than this read as one.
    static constexpr double kTextGap = 30;
    // Ink that meets another text by less than this only touches it (a line's vertical bar meets the
    // next line's).
    static constexpr double kTouch = 5;
    // Ink closer to a line than this runs into it.
    static constexpr double kLineGap = 20;

private:
    QPrinter printer_;
    double width_ = 0, height_ = 0;
};

} // namespace gui_test
