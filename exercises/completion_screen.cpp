#include "exercises/completion_screen.h"

using namespace forms;

namespace {
const BgrColor kListText = 0x800000, kRed = 0x1010D6;
const FontDef kAnswerFont{QStringLiteral("Arial"), 9.75, Weight::Bold};
} // namespace

QStringList numberItems(int last, const QString& suffix) {
    QStringList items;
    for (int i = 1; i <= last; ++i)
        items << QString::number(i) + suffix;
    return items;
}

CompletionScreen::CompletionScreen(const ExerciseInfo& info, ExerciseHost* host,
                                   const std::vector<ListKey>& keys)
    : ExerciseScreen(info, host), keys_(keys) {}

ComboBox* CompletionScreen::list(int k) const {
    return k >= 1 && std::size_t(k) <= lists_.size() ? lists_[std::size_t(k - 1)].data() : nullptr;
}

void CompletionScreen::buildText(const std::vector<TextLine>& lines, const TextStyle& style,
                                 QWidget* parent) {
    lists_.assign(keys_.size(), nullptr);
    for (const TextLine& line : lines)
        for (const TextPiece& p : line.pieces) {
            const QString name = QString::fromUtf8(p.name);
            if (p.caption) {
                make<Label>(name, parent)
                    ->font(p.font ? *p.font : style.labelFont)
                    ->setCaption(QString::fromUtf8(p.caption))
                    ->at(p.left, line.top, 0, 0)
                    ->autoSize();
                continue;
            }
            auto* cb = make<ComboBox>(name, parent)
                           ->kind(ComboBox::Editable)
                           ->font(style.listFont)
                           ->colors(kListText, 0xFFFFFF)
                           ->at(p.left, line.top, p.width, style.listHeight);
            for (std::size_t k = 0; k < keys_.size(); ++k)
                if (name == QLatin1String(keys_[k].list)) lists_[k] = cb;
        }
    tabOrder(answerControls());
}

void CompletionScreen::buildAnswer(const QRect& frame, const QRect& label, const QString& text) {
    answer_ = text;
    cadreRep = make<Shape>(QStringLiteral("cadreRep"))
                   ->border(kRed)
                   ->at(frame.x(), frame.y(), frame.width(), frame.height())
                   ->hidden();
    lblRep = make<Label>(QStringLiteral("lblRep"))
                 ->font(kAnswerFont)
                 ->color(kRed)
                 ->wrap()
                 ->setCaption(text)
                 ->at(label.x(), label.y(), label.width(), label.height())
                 ->hidden();
}

void CompletionScreen::loadContent() {
    for (std::size_t k = 0; k < keys_.size(); ++k)
        for (const QString& item : keys_[k].items)
            lists_[k]->AddItem(item);
}

std::vector<QWidget*> CompletionScreen::answerControls() {
    return {lists_.begin(), lists_.end()};
}

Verdict CompletionScreen::verdict() {
    for (std::size_t k = 0; k < keys_.size(); ++k)
        if (lists_[k]->Text() != keys_[k].expected) return Verdict::Wrong;
    return Verdict::Right;
}

void CompletionScreen::revealCorrection() {
    // The whole answer, whichever lists were wrong; the pupil's texts stay in the lists.
    lblRep->SetVisible(true);
    lblRep->setCaption(answer_);
    cadreRep->SetVisible(true);
}

bool CompletionScreen::enterRightAnswers() {
    enterAnswersWith({});
    return true;
}

void CompletionScreen::enterAnswersWith(const std::vector<std::pair<int, QString>>& departures) {
    for (std::size_t k = 0; k < keys_.size(); ++k)
        lists_[k]->setTextValue(keys_[k].expected);
    for (const auto& [k, text] : departures)
        if (ComboBox* cb = list(k)) cb->setTextValue(text);
}
