#include "framework/shapes.h"

#include <QPainter>
#include <cmath>

namespace forms {

namespace {

QPen penFor(BgrColor c, int widthPx, LineStyle s) {
    if (s == LineStyle::Transparent) return QPen(Qt::NoPen);
    QPen pen(toQColor(c));
    pen.setWidthF(std::max(1.0, widthPx * scale()));
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine};
    pen.setStyle(styles[int(s)]);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

Shape::Shape(QWidget* parent) : Ctl(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

Shape* Shape::kind(ShapeKind k) {
    kind_ = k;
    update();
    return this;
}

Shape* Shape::border(BgrColor c, int widthPx, LineStyle s) {
    borderColor_ = c;
    borderWidth_ = widthPx;
    borderStyle_ = s;
    update();
    return this;
}

Shape* Shape::fill(BgrColor c) {
    fill_ = c;
    filled_ = true;
    update();
    return this;
}

Shape* Shape::noFill() {
    filled_ = false;
    update();
    return this;
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ != ShapeKind::Rectangle && kind_ != ShapeKind::Square);
    const QPen pen = penFor(borderColor_, borderWidth_, borderStyle_);
    const double w = pen.style() == Qt::NoPen ? 0.0 : pen.widthF();
    QRectF box = QRectF(rect()).adjusted(w / 2, w / 2, -w / 2, -w / 2);
    const bool squareKind =
        kind_ == ShapeKind::Square || kind_ == ShapeKind::Circle || kind_ == ShapeKind::RoundedSquare;
    if (squareKind) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    p.setPen(pen);
    p.setBrush(filled_ ? QBrush(toQColor(fill_)) : QBrush(Qt::NoBrush));
    switch (kind_) {
    case ShapeKind::Oval:
    case ShapeKind::Circle: p.drawEllipse(box); break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
        const double r = std::min(box.width(), box.height()) / 6.0;
        p.drawRoundedRect(box, r, r);
        break;
    }
    default: p.drawRect(box); break;
    }
}

Line::Line(QWidget* parent) : Ctl(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

Line* Line::from(int x1, int y1, int x2, int y2) {
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    // The widget covers the line's box widened by the pen, so thick lines are not clipped.
    const int margin = int(std::ceil(width_ * twipsPerPixel())) + 15;
    Place(std::min(x1, x2) - margin, std::min(y1, y2) - margin, std::abs(x2 - x1) + 2 * margin,
          std::abs(y2 - y1) + 2 * margin);
    update();
    return this;
}

Line* Line::pen(BgrColor c, int widthPx, LineStyle s) {
    color_ = c;
    width_ = widthPx;
    style_ = s;
    from(x1_, y1_, x2_, y2_);
    return this;
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen = penFor(color_, width_, style_);
    pen.setCapStyle(width_ > 1 ? Qt::RoundCap : Qt::FlatCap);
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, x1_ != x2_ && y1_ != y2_);
    // Pixel centres, so that a one-pixel rule lies on one row of pixels.
    const QPointF origin = geometry().topLeft();
    auto pt = [&](int x, int y) {
        return QPointF(std::lround(x * scale() / twipsPerPixel()) + 0.5, std::lround(y * scale() / twipsPerPixel()) + 0.5) - origin;
    };
    p.drawLine(pt(x1_, y1_), pt(x2_, y2_));
}

} // namespace forms
