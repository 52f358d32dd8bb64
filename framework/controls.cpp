#include "framework/controls.h"

#include "framework/dragdrop.h"
#include "framework/pictures.h"
#include "framework/plain_text.h"

#include <QEvent>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QSvgRenderer>
#include <QValidator>
#include <climits>
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

int twipsOf(int pixels) { return int(std::lround(pixels * twipsPerPixel() / scale())); }

Qt::Alignment qtAlign(Align a) {
    switch (a) {
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

void setColors(QWidget* w, BgrColor fore, BgrColor back) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, toQColor(fore));
    p.setColor(QPalette::WindowText, toQColor(fore));
    p.setColor(QPalette::ButtonText, toQColor(fore));
    p.setColor(QPalette::Base, toQColor(back));
    p.setColor(QPalette::Window, toQColor(back));
    p.setColor(QPalette::Button, toQColor(back));
    w->setPalette(p);
}

int shiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

int buttonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

} // namespace

void Control::Place(int left, int top, int width, int height) {
    tw_ = QRect(left, top, width, height);
    self_->setGeometry(pxRect(left, top, width, height));
}

void Control::SetVisible(bool v) {
    visible_ = v;
    self_->setVisible(v);
}

// ---------------------------------------------------------------- Label

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
    const QFontMetrics fm(QWidget::font());
    if (autoSize_) {
        if (wrap_) {
            // Grows downwards, keeping its width.
            const QRect r =
                fm.boundingRect(QRect(0, 0, std::max(1, width()), INT_MAX / 4), Qt::TextWordWrap, caption_);
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
    // its last word to an invisible second line...
    const QFontMetrics fm(QWidget::font());
    const QRect box = pxRect(Left(), Top(), Width(), Height());
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
    QRect box = rect();
    if (shrunk_) box.setTop(QFontMetrics(QWidget::font()).ascent() - QFontMetrics(shownFont_).ascent());
    p.drawText(box, int(qtAlign(align_) | Qt::AlignTop | (wraps() ? Qt::TextWordWrap : 0)), shownText());
    if (bordered_) {
        const double w = std::max(1.0, scale());
        const double W = width(), H = height();
        for (const QRectF& edge : {QRectF(0, 0, W, w), QRectF(0, H - w, W, w), QRectF(0, 0, w, H), QRectF(W - w, 0, w, H)})
            p.fillRect(edge, Qt::black);
    }
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

// ---------------------------------------------------------------- Shape

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

// ---------------------------------------------------------------- Line

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

// ---------------------------------------------------------------- Picture

namespace {
const QString kDragHelp = QStringLiteral(
    "Espace ou Entrée pour le prendre, puis flèches ou Tab pour choisir où le déposer, Espace ou Entrée "
    "pour le déposer, Échap pour le reposer.");
const QString kMenuHelp = QStringLiteral("Touche Menu pour l'afficher.");
const QString kPressHelp = QStringLiteral("Espace pour le choisir.");
const QString kShortcutHelp = QStringLiteral("Raccourci clavier : %1");
} // namespace

QString dropTargetHelp() {
    return QStringLiteral("Emplacement où déposer : Espace ou Entrée y dépose ce que tu as pris au clavier.");
}

Picture::Picture(QWidget* parent) : Ctl(parent) { setFocusPolicy(Qt::NoFocus); }

Picture* Picture::source(const QString& resource, bool stretch) {
    source_ = resource;
    stretch_ = stretch;
    if (!stretch_) Place(Left(), Top(), Width(), Height());
    update();
    return this;
}

Picture* Picture::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

Picture* Picture::mouseDown(std::function<void(int, int, int, int)> f) {
    onMouseDown_ = std::move(f);
    // Tab only: a click must not leave a focus frame a mouse user never asked for.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(drag_ ? kDragHelp + QLatin1Char(' ') + kMenuHelp : kPressHelp);
    return this;
}

Picture* Picture::draggable(const QString& dragIcon) {
    drag_ = true;
    dragIcon_ = dragIcon;
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(onMouseDown_ ? kDragHelp + QLatin1Char(' ') + kMenuHelp : kDragHelp);
    return this;
}

Picture* Picture::shortcut(const QKeySequence& key) {
    // Bound to the picture, a shortcut is dead while the picture is hidden or disabled; the check below
    // keeps it so even if the widget's own state lags behind the control's.
    auto* s = new QShortcut(key, this, [this] {
        if (Visible() && isEnabled() && onClick_) onClick_();
    });
    s->setContext(Qt::WindowShortcut);
    setAccessibleDescription(kShortcutHelp.arg(key.toString(QKeySequence::NativeText)));
    return this;
}

Picture* Picture::button(const QString& word) {
    button_ = true;
    setAccessibleText(word);
    return this;
}

Picture* Picture::bordered(bool on) {
    bordered_ = on;
    update();
    return this;
}

void Picture::Place(int left, int top, int width, int height) {
    if (!stretch_ && !source_.isEmpty()) {
        // Shown at its own size: the control takes the picture's size.
        const QSize s = pictureSize(source_);
        if (!s.isEmpty()) {
            width = int(s.width() * twipsPerPixel());
            height = int(s.height() * twipsPerPixel());
        }
    }
    Control::Place(left, top, width, height);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintOn(p);
    if (focusRing_ && hasFocus()) {
        // Where the keyboard stands: a dotted frame, inside the picture since nothing may spill over.
        const double w = std::max(2.0, 2 * scale());
        p.setPen(QPen(QColor(0, 84, 196), w, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }
}

void Picture::focusInEvent(QFocusEvent* e) {
    // Only a pupil who came with the keyboard sees the frame; the screen's first focus is silent.
    focusRing_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    update();
    QWidget::focusInEvent(e);
}

void Picture::focusOutEvent(QFocusEvent* e) {
    focusRing_ = false;
    DragController::instance().forget(this);
    update();
    QWidget::focusOutEvent(e);
}

void Picture::pressFromKeyboard(int button) {
    if (!onMouseDown_ || !isEnabled()) return;
    const QPoint c = rect().center();
    onMouseDown_(button, 0, twipsOf(c.x()), twipsOf(c.y()));
}

void Picture::keyPressEvent(QKeyEvent* e) {
    if (!focusRing_) {
        focusRing_ = true;
        update();
    }
    const int k = e->key();
    const bool plain = e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier;
    const bool menu = k == Qt::Key_Menu || (k == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier);
    if (menu && onMouseDown_) {
        pressFromKeyboard(2);
    } else if (plain && !e->isAutoRepeat() && drag_ && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)) {
        DragController::instance().startFromKeyboard(this);
    } else if (plain && !e->isAutoRepeat() && !drag_ && k == Qt::Key_Space) {
        pressFromKeyboard(1);
    } else {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

QRectF Picture::target() const {
    const QSize s = pictureSize(source_);
    const QRectF box = stretch_ ? QRectF(rect()) : QRectF(0, 0, s.width() * scale(), s.height() * scale());
    const double w = bordered_ ? std::max(1.0, scale()) : 0.0;
    return box.adjusted(w, w, -w, -w);
}

void Picture::prepare() const {
    if (!source_.isEmpty()) preparePicture(source_, target().size(), devicePixelRatioF());
}

void Picture::hurry() const {
    if (!source_.isEmpty()) hurryPicture(source_, target().size(), devicePixelRatioF());
}

void Picture::paintOn(QPainter& p) {
    // An empty bordered picture still shows its frame.
    if (!source_.isEmpty()) drawPicture(p, source_, target());
    if (!bordered_) return;
    const double w = std::max(1.0, scale());
    const double W = width(), H = height();
    for (const QRectF& edge : {QRectF(0, 0, W, w), QRectF(0, H - w, W, w), QRectF(0, 0, w, H), QRectF(W - w, 0, w, H)})
        p.fillRect(edge, Qt::black);
}

void Picture::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && drag_) {
        // Automatic drag mode: the press starts a drag and raises no MouseDown.
        DragController::instance().start(this, e->globalPosition().toPoint());
        e->accept();
        return;
    }
    if (onMouseDown_) {
        const QPoint pos = e->position().toPoint();
        onMouseDown_(buttonCode(e->button()), shiftState(e->modifiers()), twipsOf(pos.x()), twipsOf(pos.y()));
    }
    e->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && !drag_ && onClick_ && rect().contains(e->position().toPoint())) {
        onClick_();
        return;
    }
    e->accept();
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : Ctl(parent) {
    setMaxLength(INT_MAX); // text boxes take any length
    setFont(makeFont({}));
}

namespace {
// Whatever reaches the box, typed, pasted or dropped, loses the characters no line of text should hold.
class PlainLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString clean = forms::plainLine(input);
        if (clean.size() != input.size()) {
            pos = int(forms::plainLine(input.left(pos)).size());
            input = clean;
        }
        return Acceptable;
    }
};
} // namespace

TextBox* TextBox::plainLine() {
    setValidator(new PlainLineValidator(this));
    setText(text());
    return this;
}

TextBox* TextBox::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

TextBox* TextBox::align(Align a) {
    setAlignment(qtAlign(a) | Qt::AlignVCenter);
    return this;
}

TextBox* TextBox::colors(BgrColor fore, BgrColor back) {
    setColors(this, fore, back);
    return this;
}

// ---------------------------------------------------------------- ComboBox

namespace {
// Enter picks nothing in a list: typing stays typing, as on the platform we follow.
class SwallowEnter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            const int k = static_cast<QKeyEvent*>(e)->key();
            return k == Qt::Key_Return || k == Qt::Key_Enter;
        }
        return false;
    }
};
} // namespace

ComboBox::ComboBox(QWidget* parent, Kind k) : Ctl(parent) {
    setFont(makeFont({}));
    setMaxVisibleItems(8);
    QObject::connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        if (onClick_) onClick_();
    });
    kind(k);
}

ComboBox* ComboBox::kind(Kind k) {
    if ((k == Editable) == isEditable()) {
        setCurrentIndex(-1);
        return this;
    }
    setEditable(k == Editable);
    if (k == Editable) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr); // no completion: the field holds exactly what was typed
        lineEdit()->setMaxLength(INT_MAX);
        lineEdit()->installEventFilter(new SwallowEnter(this));
        // Qt takes a typed text equal to an item for a choice when the field loses the focus, and reports it
        // as one; typing is not choosing, so that reaction is cut.
        QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    }
    setCurrentIndex(-1);
    return this;
}

bool ComboBox::dropDownBuilt() const {
    for (const QObject* c : children())
        if (c->inherits("QComboBoxPrivateContainer")) return true;
    return false;
}

void ComboBox::changeEvent(QEvent* e) {
    // Qt builds a list's drop-down part, with its view and scrollers, as soon as the list's font is set, to
    // hand the font on; most lists of a screen are never opened. A drop-down built later takes the list's
    // font by itself.
    if (e->type() == QEvent::FontChange && !dropDownBuilt()) {
        QWidget::changeEvent(e);
        return;
    }
    QComboBox::changeEvent(e);
}

ComboBox* ComboBox::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

ComboBox* ComboBox::colors(BgrColor fore, BgrColor back) {
    setColors(this, fore, back);
    if (lineEdit()) setColors(lineEdit(), fore, back);
    return this;
}

ComboBox* ComboBox::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

void ComboBox::AddItem(const QString& item) {
    // Appending never chooses an item: the field keeps what it showed.
    const int index = currentIndex();
    const QString field = isEditable() ? lineEdit()->text() : QString();
    addItem(item);
    setCurrentIndex(index);
    if (isEditable()) lineEdit()->setText(field);
}

void ComboBox::Clear() {
    clear();
    setCurrentIndex(-1);
}

QString ComboBox::Text() const {
    if (isEditable()) return lineEdit()->text();
    return currentIndex() < 0 ? QString() : currentText();
}

void ComboBox::setTextValue(const QString& t) {
    if (isEditable()) {
        lineEdit()->setText(t);
    } else {
        setCurrentIndex(findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(QWidget* parent) : Ctl(parent) {
    setFont(makeFont({}));
    setAutoFillBackground(true);
    QObject::connect(this, &QCheckBox::clicked, this, [this] {
        if (onClick_) onClick_();
    });
}

CheckBox* CheckBox::setCaption(const QString& c) {
    setText(c);
    return this;
}

CheckBox* CheckBox::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

CheckBox* CheckBox::colors(BgrColor fore, BgrColor back) {
    // The box itself stays white: only the caption and the control's background take the colours.
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(fore));
    p.setColor(QPalette::Window, toQColor(back));
    p.setColor(QPalette::Button, toQColor(back)); // a button's background role
    setPalette(p);
    return this;
}

CheckBox* CheckBox::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

void CheckBox::setValue(int v) {
    if (Value() == (v ? 1 : 0)) return;
    setChecked(v != 0);
    if (onClick_) onClick_();
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget* parent) : Ctl(parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    setFont(makeFont({}));
    QObject::connect(this, &QPushButton::clicked, this, [this] {
        if (onClick_) onClick_();
    });
}

CommandButton* CommandButton::setCaption(const QString& c) {
    setText(c);
    return this;
}

CommandButton* CommandButton::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

CommandButton* CommandButton::face(BgrColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Button, toQColor(c));
    setPalette(p);
    return this;
}

CommandButton* CommandButton::picture(const QString& resource, int sizePx) {
    // One icon per picture for the run: the toolkit keeps an icon's drawings under the icon's identity,
    // so a new icon at every opening would leave a new set of drawings behind each time.
    static QHash<QString, QIcon> icons;
    auto it = icons.find(resource);
    if (it == icons.end()) it = icons.insert(resource, pictureIcon(resource));
    setIcon(*it);
    const int s = std::max(1, int(std::lround(sizePx * scale())));
    setIconSize(QSize(s, s));
    return this;
}

CommandButton* CommandButton::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

QString CommandButton::accessibleText() const {
    QString t = text();
    return t.remove(QLatin1Char('&'));
}

bool CommandButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        // Alt and the access key press the button at once, like a click.
        if (isEnabled() && isVisible()) {
            setFocus(Qt::ShortcutFocusReason);
            QPushButton::click();
        }
        return true;
    }
    return QPushButton::event(e);
}

// ---------------------------------------------------------------- Frame

Frame::Frame(QWidget* parent) : Ctl(parent) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
}

Frame* Frame::back(BgrColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(c));
    setPalette(p);
    return this;
}

Frame* Frame::bordered(bool b) {
    setFrameShape(b ? QFrame::Box : QFrame::NoFrame);
    return this;
}

// ---------------------------------------------------------------- Timer

Timer* Timer::every(int ms, std::function<void()> f) {
    setInterval(ms);
    QObject::connect(this, &QTimer::timeout, this, std::move(f));
    return this;
}

// ---------------------------------------------------------------- lookup

Control* controlOf(QObject* o) {
    for (; o; o = o->parent())
        if (auto* c = dynamic_cast<Control*>(o)) return c;
    return nullptr;
}

Control* controlAt(QWidget* window, const QPoint& windowPos) {
    QWidget* w = window->childAt(windowPos);
    return w ? controlOf(w) : nullptr;
}

} // namespace forms
