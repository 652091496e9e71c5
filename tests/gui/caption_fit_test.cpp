#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

#include "app/program.h"
#include "gui/form_view.h"
#include "gui/qt_convert.h"
#include "gui/qt_services.h"
#include "gui/widgets.h"
#include "platform/controls.h"

namespace {

using platform::Control;
using platform::ControlKind;

// Where a caption's text lies on its form, in the view's pixels; empty when the control shows none.
struct Caption {
    const Control* control = nullptr;
    QRectF text;
};

QString shownText(const Control& c) {
    switch (c.kind()) {
    case ControlKind::Label:
        return gui::qs(static_cast<const platform::Label&>(c).caption());
    case ControlKind::CommandButton:
        return gui::qs(static_cast<const platform::CommandButton&>(c).caption());
    case ControlKind::OptionButton:
        return gui::qs(static_cast<const platform::OptionButton&>(c).caption());
    case ControlKind::CheckBox:
        return gui::qs(static_cast<const platform::CheckBox&>(c).caption());
    case ControlKind::Frame:
        return gui::qs(static_cast<const platform::Frame&>(c).caption());
    default:
        return {};
    }
}

// Lines of a word-wrapped text as QLabel breaks them, within `width` pixels.
std::vector<double> wrappedLineWidths(const QString& text, const QFont& font, double width) {
    std::vector<double> widths;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            widths.push_back(line.naturalTextWidth());
        }
        layout.endLayout();
        if (paragraph.isEmpty()) widths.push_back(0);
    }
    return widths;
}

// Checks one control's caption against its rectangle; returns where its text lies on the form, and
// adds a line to `faults` when it does not fit.
Caption measure(const Control& c, QWidget* w, QWidget* view, std::ostream& faults) {
    QString text = shownText(c);
    if (c.kind() != ControlKind::Label) text.remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty()) return {};
    const QFontMetricsF fm(w->font());
    const QRect box = QRect(w->mapTo(view, QPoint(0, 0)), w->size());
    QStyle* style = w->style();
    const auto name = c.form().name() + "." + c.name() + " 「" + gui::utf8(text) + "」";
    QRectF shown;
    switch (c.kind()) {
    case ControlKind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const QRect area = label->contentsRect().translated(box.topLeft());
        std::vector<double> lines =
            label->wordWrap() ? wrappedLineWidths(text, w->font(), area.width()) : std::vector<double>{};
        if (!label->wordWrap())
            for (const QString& line : text.split(QLatin1Char('\n')))
                lines.push_back(fm.horizontalAdvance(line));
        double widest = 0;
        for (double lw : lines)
            widest = std::max(widest, lw);
        double height = static_cast<double>(lines.size()) * fm.lineSpacing() - fm.leading();
        // The label's own layout decides where it breaks a wrapped caption.
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width()) - 2 * label->frameWidth();
            height = std::max(height, static_cast<double>(needed));
        }
        if (widest > area.width() + 0.5)
            faults << name << ": " << widest << " px wide in " << area.width() << " px\n";
        if (height > area.height() + 0.5)
            faults << name << ": " << height << " px high in " << area.height() << " px\n";
        double x = area.left();
        const Qt::Alignment align = label->alignment();
        if (align & Qt::AlignRight) x = area.right() + 1 - widest;
        if (align & Qt::AlignHCenter) x = area.left() + (area.width() - widest) / 2;
        shown = QRectF(x, area.top(), widest, std::min<double>(height, area.height()));
        break;
    }
    case ControlKind::CommandButton: {
        const double margin = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w) +
                              style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
        const double width = fm.horizontalAdvance(text);
        if (width + margin > box.width())
            faults << name << ": " << width << " px wide with " << margin << " px of margin in "
                   << box.width() << " px\n";
        if (fm.height() > box.height())
            faults << name << ": " << fm.height() << " px high in " << box.height() << "\n";
        shown = QRectF(box.center().x() - width / 2, box.center().y() - fm.height() / 2, width, fm.height());
        break;
    }
    case ControlKind::OptionButton:
    case ControlKind::CheckBox: {
        const bool option = c.kind() == ControlKind::OptionButton;
        const double indicator =
            style->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                               nullptr, w) +
            style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                               nullptr, w);
        const double width = fm.horizontalAdvance(text);
        if (indicator + width > box.width())
            faults << name << ": " << indicator + width << " px wide in " << box.width() << " px\n";
        if (fm.height() > box.height())
            faults << name << ": " << fm.height() << " px high in " << box.height() << "\n";
        shown = QRectF(box.left() + indicator, box.center().y() - fm.height() / 2, width, fm.height());
        break;
    }
    case ControlKind::Frame: {
        if (!qobject_cast<QGroupBox*>(w)) return {};
        const double width = fm.horizontalAdvance(text);
        // The title sits inside the frame's corner with a few pixels on either side.
        if (width + 16 > box.width())
            faults << name << ": title " << width << " px wide in " << box.width() << " px\n";
        shown = QRectF(box.left() + 8, box.top(), width, fm.height());
        break;
    }
    default:
        return {};
    }
    return {&c, shown};
}

// Lines drawn on the form, in the view's pixels.
std::vector<QLineF> formLines(const platform::Form& form, gui::FormView& view) {
    std::vector<QLineF> lines;
    for (const Control* c : form.controls()) {
        if (c->kind() != ControlKind::Line) continue;
        QWidget* w = view.widgetFor(*c);
        if (!w || !w->isVisibleTo(&view)) continue;
        auto& line = *static_cast<const platform::Line*>(c);
        const QPointF origin = w->parentWidget()->mapTo(&view, QPoint(0, 0));
        QPointF inner;
        if (auto* picture = qobject_cast<gui::PictureWidget*>(w->parentWidget()))
            inner = picture->contentsRect().topLeft();
        lines.emplace_back(origin + inner + QPointF(line.x1(), line.y1()) / gui::kTwipsPerPixel,
                           origin + inner + QPointF(line.x2(), line.y2()) / gui::kTwipsPerPixel);
    }
    return lines;
}

bool crosses(const QLineF& line, const QRectF& rect) {
    const QRectF inner = rect.adjusted(1, 1, -1, -1);
    if (inner.isEmpty()) return false;
    const int steps = std::max(2, static_cast<int>(line.length() * 2));
    for (int i = 0; i <= steps; ++i)
        if (inner.contains(line.pointAt(static_cast<double>(i) / steps))) return true;
    return false;
}

// Every caption of every window of the program, as the Qt view shows it when the window opens:
// whole in its rectangle (or wrapped into lines that all fit), clear of the other captions and of
// the lines drawn on the form. Windows added to the program later are checked by the same test.
TEST(CaptionFit, EveryCaptionFitsItsControlAndNoneOverlap) {
    gui::QtServices services;
    app::Program program;
    std::ostringstream faults;
    int checked = 0;
    for (platform::FormSlotBase* slot : platform::FormSlotBase::all()) {
        platform::Form& form = slot->form();
        gui::FormView view(form, nullptr);
        view.resize(view.sizeHint());
        std::vector<Caption> captions;
        for (const Control* c : form.controls()) {
            QWidget* w = view.widgetFor(*c);
            // A control not placed yet (a screen still to be laid out) shows nothing.
            if (!w || !w->isVisibleTo(&view) || w->width() <= 0 || w->height() <= 0) continue;
            const Caption caption = measure(*c, w, &view, faults);
            if (caption.control) captions.push_back(caption);
            ++checked;
        }
        for (std::size_t i = 0; i < captions.size(); ++i)
            for (std::size_t j = i + 1; j < captions.size(); ++j)
                if (captions[i].text.adjusted(0, 1, 0, -1).intersects(captions[j].text.adjusted(0, 1, 0, -1)))
                    faults << form.name() << ": " << captions[i].control->name() << " overlaps "
                           << captions[j].control->name() << "\n";
        // A control drawn over a caption hides part of it.
        for (const Control* c : form.controls()) {
            static const ControlKind covering[] = {ControlKind::TextBox,       ControlKind::ComboBox,
                                                   ControlKind::CommandButton, ControlKind::OptionButton,
                                                   ControlKind::CheckBox,      ControlKind::ScrollBar};
            if (std::find(std::begin(covering), std::end(covering), c->kind()) == std::end(covering))
                continue;
            QWidget* w = view.widgetFor(*c);
            if (!w || !w->isVisibleTo(&view) || w->width() <= 0) continue;
            const QRectF area(w->mapTo(&view, QPoint(0, 0)), w->size());
            for (const Caption& caption : captions)
                if (caption.control != c && area.intersects(caption.text.adjusted(1, 1, -1, -1)))
                    faults << form.name() << ": " << c->name() << " covers " << caption.control->name()
                           << "\n";
        }
        for (const QLineF& line : formLines(form, view))
            for (const Caption& caption : captions)
                if (crosses(line, caption.text))
                    faults << form.name() << ": a line crosses " << caption.control->name() << " 「"
                           << gui::utf8(shownText(*caption.control)) << "」\n";
    }
    EXPECT_GT(checked, 100);
    EXPECT_TRUE(faults.str().empty()) << faults.str();
}

} // namespace
