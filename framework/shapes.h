#pragma once
// Shapes and lines: decorations that paint themselves and never take the mouse.
#include "framework/control.h"

namespace forms {

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot, Transparent };

class Shape : public Ctl<Shape, QWidget> {
public:
    explicit Shape(QWidget* parent);
    Shape* kind(ShapeKind k);
    Shape* border(BgrColor c, int widthPx = 1, LineStyle s = LineStyle::Solid);
    Shape* fill(BgrColor c);
    Shape* noFill();
    BgrColor FillColor() const { return fill_; }
    void setFillColor(BgrColor c) { fill(c); }
    bool filled() const { return filled_; }
    BgrColor BorderColor() const { return borderColor_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    BgrColor borderColor_ = 0x000000;
    int borderWidth_ = 1;
    LineStyle borderStyle_ = LineStyle::Solid;
    BgrColor fill_ = 0xFFFFFF;
    bool filled_ = false;
};

class Line : public Ctl<Line, QWidget> {
public:
    explicit Line(QWidget* parent);
    // From (x1, y1) to (x2, y2) in twips.
    Line* from(int x1, int y1, int x2, int y2);
    Line* pen(BgrColor c, int widthPx = 1, LineStyle s = LineStyle::Solid);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    BgrColor BorderColor() const { return color_; }
    int BorderWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    BgrColor color_ = 0x000000;
    int width_ = 1;
    LineStyle style_ = LineStyle::Solid;
};

} // namespace forms
