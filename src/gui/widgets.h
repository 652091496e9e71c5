#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "platform/surface.h"

namespace platform {
class PictureBox;
}

namespace gui {

// A line edit whose character keys pass the model's KeyPress first, and which reports focus,
// clicks and double clicks after Qt has moved its caret, so that the model's selection wins.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Given a character code, returns the code to insert: 0 swallows the key, -1 when the control
    // has gone.
    std::function<int(int)> onKey;
    std::function<void()> onFocusIn;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool afterDoubleClick_ = false;
};

// Enter on a focused button clicks it, as Space does.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A line control: a widget covering the line's bounding box, transparent to the mouse.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    explicit LineWidget(QWidget* parent);
    // End points in the parent's pixels.
    void setLine(QPointF p1, QPointF p2, QColor color, platform::DrawStyle style, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF p1_, p2_;
    QColor color_;
    platform::DrawStyle style_ = platform::DrawStyle::Solid;
    int width_ = 1;
};

// A picture box: its recorded drawing stretched from the box's scale extent onto its size.
class PictureWidget : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
    void setPicture(const platform::PictureBox* box);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const platform::PictureBox* box_ = nullptr;
};

} // namespace gui
