#include "framework/label.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <climits>
#include <cmath>

namespace forms {

Label::Label(QWidget* parent) : Ctl(parent) { setFont(makeFont(fontDef_)); }

Label* Label::setCaption(const QString& c) {
    caption_ = c;
    fit();
    update();
    return this;
}

Label* Label::font(const FontDef& f) {
    fontDef_ = f;
    setFont(makeFont(f));
    fit();
    update();
    return this;
}

Label* Label::color(BgrColor c) {
    fore_ = c;
    update();
    return this;
}

Label* Label::opaque(BgrColor back) {
    opaque_ = true;
    back_ = back;
    update();
    return this;
}

Label* Label::transparent() {
    opaque_ = false;
    update();
    return this;
}

Label* Label::align(Align a) {
    align_ = a;
    fit();
    update();
    return this;
}

Label* Label::wrap() {
    wrap_ = true;
    fit();
    return this;
}

Label* Label::autoSize() {
    autoSize_ = true;
    fit();
    return this;
}

Label* Label::fitWidth(int twips) {
    maxWidth_ = twips;
    fit();
    update();
    return this;
}

Label* Label::bordered() {
    bordered_ = true;
    update();
    return this;
}

Label* Label::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

void Label::Place(int left, int top, int width, int height) {
    Control::Place(left, top, width, height);
    placed_ = true;
    fit();
}

void Label::fit() {
    // A screen sets a label's font, caption and alignment before its box: measuring the text at each of
    // those steps would only be thrown away. A label sized to its text has its size from then on; any
    // other hidden label (a correction, a message) is measured when it shows, if ever.
    if (!placed_ && !autoSize_) return;
    fitDue_ = !autoSize_ && !isVisibleTo(window());
    if (fitDue_) return;
    setFont(captionFont(fontDef_, caption_, wraps(), QRect(Left(), Top(), Width(), Height()), &wrapWidth_));
    const QFontMetrics fm(QWidget::font());
    if (autoSize_) {
        if (wrap_) {
            // Grows downwards, keeping its width.
            const int w = wrapWidth_ > 0 ? std::min(wrapWidth_, width()) : width();
            const QRect r = fm.boundingRect(QRect(0, 0, std::max(1, w), INT_MAX / 4), Qt::TextWordWrap, caption_);
            Control::Place(Left(), Top(), Width(), twipsOf(std::max(r.height(), fm.height())));
        } else {
            fitCaption(fm);
            const QFontMetrics shown(shrunk_ ? shownFont_ : QWidget::font());
            const QString text = shownText();
            const QSize s = shown.size(0, text.isEmpty() ? QStringLiteral(" ") : text);
            // Drawn smaller, it keeps the height of its own size, so the row it stands in stays as it was.
            Control::Place(Left(), Top(), twipsOf(s.width()), twipsOf(fm.height()));
        }
        return;
    }
    // A one-line caption a little wider than its design box (the stand-in fonts are not all the same
    // width as the originals) overflows on the side its alignment leaves free rather than losing letters.
    QRect r = pxRect(Left(), Top(), Width(), Height());
    if (wraps()) {
        setGeometry(r); // a caption that grew past the allowance keeps to its box again
        return;
    }
    const int extra = fm.horizontalAdvance(caption_) + 1 - r.width();
    if (extra > 0) {
        if (align_ == Align::Centre) r.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else if (align_ == Align::Right) r.adjust(-extra, 0, 0, 0);
        else r.adjust(0, 0, extra, 0);
    }
    setGeometry(r);
}

void Label::fitCaption(const QFontMetrics& fm) {
    shown_ = QString();
    shrunk_ = false;
    if (maxWidth_ <= 0) return;
    const int room = pxRect(Left(), Top(), maxWidth_, 1).width();
    const int wide = fm.horizontalAdvance(caption_);
    if (wide <= room) return;
    // Text widths follow the size closely: one guess and a step or two down find the largest that fits.
    const double kSmallest = 8;
    FontDef smaller = fontDef_;
    smaller.points = std::max(kSmallest, std::floor(fontDef_.points * room / wide * 4) / 4);
    for (;;) {
        shownFont_ = makeFont(smaller);
        if (smaller.points <= kSmallest || QFontMetrics(shownFont_).horizontalAdvance(caption_) <= room)
            break;
        smaller.points = std::max(kSmallest, smaller.points - 0.25);
    }
    shrunk_ = true;
    const QFontMetrics small(shownFont_);
    if (small.horizontalAdvance(caption_) > room) shown_ = small.elidedText(caption_, Qt::ElideRight, room);
}

bool Label::wraps() const {
    // Words wrap in a box with room for two lines or more, as they always did; a one-line box never drops
    // its last word to an invisible second line... Judged on the design at scale 1, so that a caption
    // wraps, or not, alike at every scale.
    const QFontMetrics fm(makeFont(fontDef_, 1.0));
    const QRect box = pxRect(Left(), Top(), Width(), Height(), 1.0);
    if (wrap_ || box.height() >= 1.8 * fm.lineSpacing()) return true;
    // ...unless its caption is far wider than the stand-in fonts can explain (they add a letter or two):
    // such a caption was cut short on purpose and shows only the words that fit.
    return !autoSize_ && fm.horizontalAdvance(caption_) > 1.25 * box.width();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (opaque_) p.fillRect(rect(), toQColor(back_));
    p.setFont(shrunk_ ? shownFont_ : QWidget::font());
    // The platform greys out disabled captions.
    p.setPen(isEnabled() ? toQColor(fore_) : QColor(128, 128, 128));
    p.drawText(textBox(), textFlags(), shownText());
    if (bordered_) {
        const double w = std::max(1.0, scale());
        const double W = width(), H = height();
        for (const QRectF& edge : {QRectF(0, 0, W, w), QRectF(0, H - w, W, w), QRectF(0, 0, w, H), QRectF(W - w, 0, w, H)})
            p.fillRect(edge, Qt::black);
    }
}

int Label::textFlags() const { return int(qtAlign(align_) | Qt::AlignTop | (wraps() ? Qt::TextWordWrap : 0)); }

QRect Label::textBox() const {
    QRect r = rect();
    // A caption drawn smaller stands on the baseline of its own size.
    if (shrunk_) r.setTop(QFontMetrics(QWidget::font()).ascent() - QFontMetrics(shownFont_).ascent());
    // A wrapped caption keeps to the width it takes at scale 1, scaled, placed as its alignment places it.
    const int spare = r.width() - wrapWidth_;
    if (wrapWidth_ <= 0 || spare <= 0 || !wraps()) return r;
    if (align_ == Align::Centre) return r.adjusted(spare / 2, 0, -(spare - spare / 2), 0);
    if (align_ == Align::Right) return r.adjusted(spare, 0, 0, 0);
    return r.adjusted(0, 0, -spare, 0);
}

QRect Label::captionRect() const {
    return QFontMetrics(shrunk_ ? shownFont_ : QWidget::font()).boundingRect(textBox(), textFlags(), shownText());
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick_) {
        onClick_();
        return;
    }
    QWidget::mouseReleaseEvent(e);
}

void Label::showEvent(QShowEvent* e) {
    if (fitDue_) fit();
    QWidget::showEvent(e);
}

void Label::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(e);
}

} // namespace forms
