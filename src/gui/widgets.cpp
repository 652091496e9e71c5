#include "gui/widgets.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "gui/page_painter.h"
#include "gui/qt_convert.h"
#include "platform/controls.h"

namespace gui {
namespace {

// The character a key event delivers, 0 when it delivers none (Delete, arrows, function keys).
int characterOf(const QString& text) {
    if (text.isEmpty()) return 0;
    const char32_t code = text.at(0).isHighSurrogate() && text.size() > 1
                              ? QChar::surrogateToUcs4(text.at(0), text.at(1))
                              : text.at(0).unicode();
    return code == 0x7f ? 0 : static_cast<int>(code);
}

QString characterText(int code) {
    const char32_t c = static_cast<char32_t>(code);
    return QString::fromUcs4(&c, 1);
}

} // namespace

void TextField::keyPressEvent(QKeyEvent* event) {
    const int code = characterOf(event->text());
    if (code == 0 || !onKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int result = onKey(code);
    if (result <= 0) {
        event->accept();
        return;
    }
    if (result == code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int key = result == 8 ? Qt::Key_Backspace : result == 13 ? Qt::Key_Return : Qt::Key_unknown;
    QKeyEvent replaced(QEvent::KeyPress, key, Qt::NoModifier, characterText(result));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

// Text committed by an input method passes KeyPress character by character, as typed keys do.
void TextField::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty() && onKey) {
        QString kept;
        for (int i = 0; i < commit.size(); ++i) {
            const int code = characterOf(commit.mid(i, commit.at(i).isHighSurrogate() ? 2 : 1));
            if (commit.at(i).isHighSurrogate()) ++i;
            const int result = onKey(code);
            if (result < 0) break;
            if (result >= 32) kept += characterText(result);
        }
        event->setCommitString(kept, event->replacementStart(), event->replacementLength());
    }
    QLineEdit::inputMethodEvent(event);
}

void TextField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (onFocusIn) onFocusIn();
}

// A fresh press starts a new click, also when the release ending a double click was lost.
void TextField::mousePressEvent(QMouseEvent* event) {
    afterDoubleClick_ = false;
    QLineEdit::mousePressEvent(event);
}

void TextField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    // The release ending a double click is not another click.
    const bool second = afterDoubleClick_;
    afterDoubleClick_ = false;
    if (event->button() == Qt::LeftButton && !second && onClick) onClick();
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    if (onDblClick) onDblClick();
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setLine(QPointF p1, QPointF p2, QColor color, platform::DrawStyle style, int width) {
    width_ = std::max(width, 1);
    const double margin = width_;
    QRectF box = QRectF(p1, p2).normalized().adjusted(-margin, -margin, margin + 1, margin + 1);
    setGeometry(box.toAlignedRect());
    p1_ = p1 - QPointF(geometry().topLeft());
    p2_ = p2 - QPointF(geometry().topLeft());
    color_ = color;
    style_ = style;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(color_);
    pen.setWidth(width_);
    pen.setStyle(style_ == platform::DrawStyle::Dash  ? Qt::DashLine
                 : style_ == platform::DrawStyle::Dot ? Qt::DotLine
                                                      : Qt::SolidLine);
    painter.setPen(pen);
    painter.drawLine(p1_, p2_);
}

void PictureWidget::setPicture(const platform::PictureBox* box) {
    box_ = box;
    update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!box_) return;
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, toQColor(box_->backColor()));
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    const double sw = box_->scaleWidth(), sh = box_->scaleHeight();
    if (sw <= 0 || sh <= 0) return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, box_->surface().page(), area.width() / sw, area.height() / sh, 1.0 / kTwipsPerPixel);
}

} // namespace gui
