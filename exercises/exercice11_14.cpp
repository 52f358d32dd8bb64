#include "exercises/exercice11_14.h"

#include <QLine>
#include <algorithm>
#include <cmath>

using namespace forms;
using namespace bloodgroups;

namespace {

// Where each person of the pupil's tree stands in Frame1, and what its controls are called.
struct PersonLayout {
    const char* code;
    const char* allele1Name;
    const char* allele2Name;
    ShapeKind kind;
    QRect symbol;
    QRect groupList; // the parents' places are only for a family that asks for their groups
    QPoint upperList, lowerList, equal;
};

const PersonLayout kPersonLayout[kPersons] = {
    {"P",
     "cbPAl1",
     "cbPAl2",
     ShapeKind::Square,
     {2520, 360, 975, 975},
     {2640, 570, 735, 555},
     {1080, 360},
     {1080, 1080},
     {1080, 600}},
    {"M",
     "cbMAl1",
     "cbMAl2",
     ShapeKind::Circle,
     {3960, 240, 1335, 1095},
     {4260, 510, 735, 555},
     {5640, 360},
     {5640, 1080},
     {5640, 600}},
    {"G",
     "cbGAl1",
     "cbGAl2",
     ShapeKind::Square,
     {840, 2520, 975, 975},
     {960, 2760, 735, 555},
     {840, 3600},
     {840, 4320},
     {840, 3840}},
    {"F1",
     "cbF1Al1",
     "cbF1Al2",
     ShapeKind::Circle,
     {3240, 2400, 1215, 1095},
     {3480, 2640, 735, 555},
     {3480, 3600},
     {3480, 4320},
     {3480, 3840}},
    {"F2",
     "CbF2Al1",
     "cbF2Al2",
     ShapeKind::Circle,
     {5760, 2400, 1095, 1095},
     {6000, 2640, 735, 555},
     {5880, 3600},
     {5880, 4320},
     {5880, 3840}},
};

const QLine kAnswerLines[] = {
    {3000, 1800, 4680, 1800}, {3000, 1200, 3000, 1800}, {4680, 1200, 4680, 1800}, {3840, 1800, 3840, 2160},
    {1320, 2160, 6240, 2160}, {1320, 2160, 1320, 2520}, {3840, 2160, 3840, 2520}, {6240, 2160, 6240, 2520},
};
const QLine kCorrectionLines[] = {
    {3000, 1560, 4680, 1560}, {3000, 1200, 3000, 1560}, {4680, 1200, 4680, 1560}, {3840, 1560, 3840, 2280},
    {1320, 1920, 6240, 1920}, {1320, 1920, 1320, 2280}, {6240, 1920, 6240, 2280},
};

const QStringList kGroupItems = {"A", "B", "AB", "O", "?"};
const QStringList kAlleleItems = {"A", "B", "O", "?"};
const QString kGroupHint = QStringLiteral("Le groupe sanguin");
const QString kAllele1Hint = QStringLiteral("allèle 1");
const QString kAllele2Hint = QStringLiteral("allèle 2");

const QString kQuestion =
    QStringLiteral("Détermine le groupe sanguin et les allèles de chaque individu de cette famille.");
const QString kHint = QStringLiteral("Si cela est impossible, utilise les points d'interrogation.");

constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kGreen = 0x008000;
constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kOrange = 0x0080FF;
constexpr BgrColor kSymbolGrey = 0xE0E0E0;
constexpr BgrColor kExplanationRed = 0x1010D6;

const FontDef kTextFont{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kHintFont{QStringLiteral("Arial"), 9.75, Weight::Bold, true};
const FontDef kAlleleListFont{QStringLiteral("Arial"), 11.25, Weight::Bold};
const FontDef kGroupListFont{QStringLiteral("Arial"), 18, Weight::Bold};
const FontDef kGroupFont{QStringLiteral("Arial"), 20.25, Weight::Bold};
const FontDef kEqualFont{QStringLiteral("Arial"), 27.75, Weight::Bold};
const FontDef kCorrectionAlleleFont{QStringLiteral("Arial"), 12, Weight::Bold};
const FontDef kCorrectionEqualFont{QStringLiteral("Arial"), 21.75, Weight::Bold};

Shape* symbol(Shape* s, ShapeKind kind, const QRect& r) {
    return s->kind(kind)->fill(kSymbolGrey)->border(0x000000)->at(r.x(), r.y(), r.width(), r.height());
}

ComboBox* list(ComboBox* cb, const FontDef& font, BgrColor fore, const QString& hint) {
    // The hint is offered on hovering and to screen readers: written in the field, the list's large letters
    // would leave only its first few characters visible.
    cb->font(font)->colors(fore, 0xFFFFFF)->tip(hint);
    cb->setAccessibleName(hint);
    return cb;
}

} // namespace

BloodGroupScreen::BloodGroupScreen(const ExerciseInfo& info, ExerciseHost* host)
    : ExerciseScreen(info, host), data_(bloodgroups::record(info.number)) {}

void BloodGroupScreen::buildContent() {
    make<Shape>(QStringLiteral("ShapeQuestion"))
        ->kind(ShapeKind::RoundedRectangle)
        ->border(kBrown)
        ->at(240, 6240, 2415, 2055);
    make<Label>(QStringLiteral("lblQuestion"))
        ->font(kTextFont)
        ->color(kBrown)
        ->wrap()
        ->setCaption(kQuestion)
        ->at(360, 6360, 2235, 1155);
    make<Label>(QStringLiteral("lblAide"))
        ->font(kHintFont)
        ->color(kBrown)
        ->wrap()
        ->setCaption(kHint)
        ->at(360, 7440, 2175, 855);

    if (data_.outlineRect.width() > 0) {
        const QRect& o = data_.outlineRect;
        cadreRep = make<Shape>(QStringLiteral("cadreRep"))
                       ->border(data_.outlineColor)
                       ->at(o.x(), o.y(), o.width(), o.height())
                       ->hidden();
    }
    const QRect& e = data_.explanationRect;
    lblRep = make<Label>(QStringLiteral("lblRep"))
                 ->font(kTextFont)
                 ->color(kExplanationRed)
                 ->wrap()
                 ->setCaption(data_.explanation)
                 ->at(e.x(), e.y(), e.width(), e.height())
                 ->hidden();

    buildAnswerTree();
    buildCorrectionTree();
}

void BloodGroupScreen::buildAnswerTree() {
    const QRect& f = data_.answerFrame;
    Frame1 = make<Frame>(QStringLiteral("Frame1"))
                 ->back(0xFFFFFF)
                 ->bordered(false)
                 ->at(f.x(), f.y(), f.width(), f.height());
    int n = 0;
    for (const QLine& l : kAnswerLines)
        make<Line>(QStringLiteral("LineArbre%1").arg(n++), Frame1)
            ->pen(0x000000, 2)
            ->from(l.x1(), l.y1(), l.x2(), l.y2());

    std::vector<QWidget*> tabs;
    for (int p = 0; p < kPersons; ++p) {
        const PersonLayout& at = kPersonLayout[p];
        const PersonData& person = data_.persons[p];
        const QString code = QString::fromLatin1(at.code);
        symbol(make<Shape>("Shape" + code, Frame1), at.kind, at.symbol);
        Lists& l = lists_[p];
        if (person.asked) {
            l.group = list(make<ComboBox>("cb" + code + "groupe", Frame1, ComboBox::PickOnly), kGroupListFont, kRed,
                           kGroupHint);
            l.group->at(at.groupList.x(), at.groupList.y(), at.groupList.width(), at.groupList.height());
            tabs.push_back(l.group);
        } else {
            auto* given = make<Label>("lblGroupe" + code, Frame1)
                              ->font(kGroupFont)
                              ->color(kRed)
                              ->opaque(kSymbolGrey)
                              ->align(Align::Centre)
                              ->setCaption(person.group)
                              ->autoSize();
            const QPoint c = at.symbol.center();
            given->Move(c.x() - given->Width() / 2, c.y() - given->Height() / 2);
        }
        make<Label>("lblEgal" + code, Frame1)
            ->font(kEqualFont)
            ->color(kGreen)
            ->setCaption(QStringLiteral("="))
            ->at(at.equal.x(), at.equal.y(), 345, 660);
        l.allele1 = list(make<ComboBox>(QString::fromLatin1(at.allele1Name), Frame1, ComboBox::PickOnly),
                         kAlleleListFont, kGreen, kAllele1Hint);
        l.allele2 = list(make<ComboBox>(QString::fromLatin1(at.allele2Name), Frame1, ComboBox::PickOnly),
                         kAlleleListFont, kGreen, kAllele2Hint);
        ComboBox* upper = person.allelesSwapped ? l.allele2 : l.allele1;
        ComboBox* lower = person.allelesSwapped ? l.allele1 : l.allele2;
        upper->at(at.upperList.x(), at.upperList.y(), 855, 390);
        lower->at(at.lowerList.x(), at.lowerList.y(), 855, 390);
        tabs.push_back(upper);
        tabs.push_back(lower);
    }
    tabOrder(tabs);
}

void BloodGroupScreen::buildCorrectionTree() {
    const QRect& f = data_.correctionFrame;
    Frame2 = make<Frame>(QStringLiteral("Frame2"))
                 ->back(0xFFFFFF)
                 ->bordered(false)
                 ->at(f.x(), f.y(), f.width(), f.height())
                 ->hidden();
    int n = 0;
    for (const QLine& l : kCorrectionLines)
        make<Line>(QStringLiteral("LineCorrection%1").arg(n++), Frame2)
            ->pen(0x000000, 2)
            ->from(l.x1(), l.y1(), l.x2(), l.y2());

    for (int p = 0; p < kPersons; ++p) {
        const CorrectionPlace& at = data_.correction[p];
        const PersonData& person = data_.persons[p];
        const QString code = QString::fromLatin1(kPersonLayout[p].code);
        symbol(make<Shape>("ShapeCorrection" + code, Frame2), kPersonLayout[p].kind, at.symbol);
        auto* group = make<Label>("lblCorrectionGroupe" + code, Frame2)
                          ->font(kGroupFont)
                          ->color(kOrange)
                          ->align(Align::Centre)
                          ->setCaption(person.group);
        if (!person.correctionGroupTransparent) group->opaque(kSymbolGrey);
        group->at(at.group.x(), at.group.y(), 0, 0)->autoSize();
        auto allele = [&](const QString& name, const FontDef& font, const QString& text, int top) {
            make<Label>(name + code, Frame2)
                ->font(font)
                ->setCaption(text)
                ->at(at.alleleLeft, top, 0, 0)
                ->autoSize();
        };
        allele(QStringLiteral("lblCorrectionHaut"), kCorrectionAlleleFont, person.corrected.first,
               at.upperTop);
        allele(QStringLiteral("lblCorrectionEgal"), kCorrectionEqualFont, QStringLiteral("="), at.equalTop);
        allele(QStringLiteral("lblCorrectionBas"), kCorrectionAlleleFont, person.corrected.second,
               at.lowerTop);
    }
}

void BloodGroupScreen::loadContent() {
    if (data_.centreFrames) {
        Frame1->SetLeft(centredLeft(*Frame1));
        Frame2->SetLeft(centredLeft(*Frame2));
    }
    for (const Lists& l : lists_) {
        if (l.group)
            for (const QString& item : kGroupItems)
                l.group->AddItem(item);
        for (ComboBox* cb : {l.allele1.data(), l.allele2.data()})
            for (const QString& item : kAlleleItems)
                cb->AddItem(item);
    }
}

int BloodGroupScreen::centredLeft(const Frame& frame) const {
    // The window fills the display and the 1024 x 768 frame the design starts in stands in its middle: the
    // window's centre lies half its width, less the margin on the frame's left, from the design's left edge.
    // Measured in design units, so that it holds at any scale.
    const double window = display().width() * twipsPerPixel() / scale();
    const double margin = std::max(0.0, (window - kDesignDisplayWidth * twipsPerPixel()) / 2);
    return int(std::lround(window / 2 - margin - frame.Width() / 2.0));
}

std::vector<QWidget*> BloodGroupScreen::answerControls() {
    std::vector<QWidget*> all;
    for (const Lists& l : lists_)
        for (QWidget* w : {static_cast<QWidget*>(l.group.data()), static_cast<QWidget*>(l.allele1.data()),
                           static_cast<QWidget*>(l.allele2.data())})
            if (w) all.push_back(w);
    return all;
}

Verdict BloodGroupScreen::verdict() {
    for (int p = 0; p < kPersons; ++p) {
        const PersonData& person = data_.persons[p];
        const Lists& l = lists_[p];
        if (person.asked && l.group->Text() != person.group) return Verdict::Wrong;
        const QString first = l.allele1->Text(), second = l.allele2->Text();
        const bool accepted = std::any_of(person.accepted.begin(), person.accepted.end(), [&](const Pair& a) {
            return a.first == first && a.second == second;
        });
        if (!accepted) return Verdict::Wrong;
    }
    return Verdict::Right;
}

void BloodGroupScreen::revealCorrection() {
    Frame2->SetVisible(true);
    lblRep->SetVisible(true);
    if (cadreRep) cadreRep->SetVisible(true);
}

bool BloodGroupScreen::enterRightAnswers() {
    if (!loaded()) return false;
    for (int p = 0; p < kPersons; ++p) {
        const PersonData& person = data_.persons[p];
        if (lists_[p].group) lists_[p].group->setTextValue(person.group);
        lists_[p].allele1->setTextValue(person.accepted.front().first);
        lists_[p].allele2->setTextValue(person.accepted.front().second);
    }
    return true;
}

void BloodGroupScreen::enterWrongAnswers() {
    if (!enterRightAnswers()) return;
    Lists& l = lists_[data_.mistakenPerson];
    if (l.group && !data_.mistakenGroup.isEmpty()) l.group->setTextValue(data_.mistakenGroup);
    l.allele1->setTextValue(data_.mistakenAlleles.first);
    l.allele2->setTextValue(data_.mistakenAlleles.second);
}
