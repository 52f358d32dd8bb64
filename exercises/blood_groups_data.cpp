// The four families of exercises 11 to 14: which groups are given, what is right, what the correction shows.
#include "exercises/exercice11_14.h"

#include <stdexcept>

namespace bloodgroups {

namespace {

PersonData given(const char* group, std::vector<Pair> accepted, Pair corrected) {
    PersonData p;
    p.group = QString::fromUtf8(group);
    p.accepted = std::move(accepted);
    p.corrected = std::move(corrected);
    return p;
}

PersonData asked(const char* group, std::vector<Pair> accepted, Pair corrected) {
    PersonData p = given(group, std::move(accepted), std::move(corrected));
    p.asked = true;
    return p;
}

// The correction tree as exercise 11 lays it out; the others start from it.
const std::array<CorrectionPlace, kPersons> kReferenceTree = {{
    {{2640, 600, 735, 735}, {2880, 720}, 2280, 600, 720, 1080},
    {{4200, 600, 975, 735}, {4560, 720}, 5160, 600, 720, 1080},
    {{885, 2280, 735, 735}, {1080, 2400}, 600, 2280, 2400, 2760},
    {{3360, 2280, 855, 735}, {3622, 2400}, 3120, 2280, 2400, 2760},
    {{5880, 2280, 735, 735}, {6120, 2400}, 5520, 2280, 2400, 2760},
}};

// Two letters are about twice as wide as one: their label starts further left to stay in its symbol.
std::array<CorrectionPlace, kPersons> withTwoLetterGroups(std::initializer_list<Person> persons) {
    std::array<CorrectionPlace, kPersons> tree = kReferenceTree;
    for (Person p : persons)
        tree[p].group.rx() -= 165;
    return tree;
}

Record exercise11() {
    Record r;
    r.persons = {
        given("O", {{"O", "O"}}, {"O", "O"}), given("O", {{"O", "O"}}, {"O", "O"}),
        asked("O", {{"O", "O"}}, {"O", "O"}), asked("O", {{"O", "O"}}, {"O", "O"}),
        asked("O", {{"O", "O"}}, {"O", "O"}),
    };
    r.answerFrame = {3360, 1920, 7575, 4935};
    r.correctionFrame = {3360, 7080, 7575, 3495};
    r.correction = kReferenceTree;
    r.explanation = QStringLiteral("Les parents sont de groupe sanguin [O], ils possèdent forcément chacun "
                                   "deux allèles O. Ils n'ont donc pu "
                                   "transmettre chacun à leurs enfants qu'un allèle O, donc tous les enfants "
                                   "possèdent eux aussi deux allèles "
                                   "O. Ils sont donc de groupe sanguin [O].");
    r.explanationRect = {11640, 7320, 2925, 2280};
    r.outlineRect = {11400, 7200, 3255, 2415};
    r.outlineColor = 0x1010D6;
    r.mistakenPerson = Daughter;
    r.mistakenGroup = QStringLiteral("?");
    r.mistakenAlleles = {"O", "?"};
    return r;
}

Record exercise12() {
    Record r;
    r.persons = {
        given("A", {{"A", "O"}, {"O", "A"}}, {"A", "O"}),
        given("B", {{"B", "O"}, {"O", "B"}}, {"B", "O"}),
        given("O", {{"O", "O"}}, {"O", "O"}),
        given("A", {{"A", "O"}, {"O", "A"}}, {"A", "O"}),
        asked("?", {{"?", "?"}}, {"?", "?"}),
    };
    r.answerFrame = {3360, 1920, 7575, 5055};
    r.correctionFrame = {3360, 7200, 7575, 3375};
    r.correction = kReferenceTree;
    r.explanation = QStringLiteral(
        "Le fils de groupe sanguin [O] possède deux allèles O. Ils lui ont été transmis par ses parents donc "
        "ceux-ci possèdent obligatoirement chacun un allèle O. Le père étant de groupe sanguin [A] possède "
        "donc "
        "l'allèle A. La mère étant de groupe sanguin [B] possède donc l'allèle B. La fille de groupe sanguin "
        "[A] "
        "possède un allèle A transmis par son père et obligatoirement l'allèle O transmis par sa mère sinon "
        "elle "
        "serait de groupe sanguin [AB] si sa mère lui avait transmis son allèle B.  On ne peut connaître le "
        "groupe "
        "sanguin et les allèles de la dernière fille puisqu'elle a pu recevoir soit A, soit O de son père ; "
        "soit "
        "B, soit O de sa mère.");
    r.explanationRect = {11400, 5400, 3045, 5145};
    r.outlineRect = {11280, 5280, 3375, 5295};
    r.outlineColor = 0x0000C0;
    r.mistakenPerson = SecondDaughter;
    r.mistakenGroup = QStringLiteral("AB");
    r.mistakenAlleles = {"A", "B"};
    return r;
}

Record exercise13() {
    Record r;
    r.persons = {
        given("A", {{"A", "O"}, {"O", "A"}}, {"A", "O"}),  given("AB", {{"A", "B"}, {"B", "A"}}, {"A", "B"}),
        given("A", {{"A", "?"}, {"?", "A"}}, {"A", "?"}),  given("B", {{"B", "O"}, {"O", "B"}}, {"B", "O"}),
        given("AB", {{"A", "B"}, {"B", "A"}}, {"A", "B"}),
    };
    r.persons[Mother].correctionGroupTransparent = true;
    r.persons[SecondDaughter].correctionGroupTransparent = true;
    r.answerFrame = {3360, 1920, 7575, 4935};
    r.correctionFrame = {3360, 7080, 7575, 3495};
    r.centreFrames = true;
    r.correction = withTwoLetterGroups({Mother, SecondDaughter});
    r.explanation = QStringLiteral(
        "La mère et sa fille de groupes sanguins [AB] possèdent obligatoirement les allèles A et B. La fille "
        "de "
        "groupe sanguin [B] possède un allèle B transmis par sa mère et un allèle O transmis par son père. "
        "Celui-ci n'a pu lui transmettre son allèle A sinon elle serait de groupe sanguin [AB] car les "
        "allèles A "
        "et B sont codominants. Pour la même raison, il n'a pu lui transmettre un allèle B sinon c'est lui "
        "qui "
        "serait de groupe sanguin [AB]. Le fils possède obligatoirement un allèle A transmis par sa mère. On "
        "ne "
        "peut connaître son deuxième allèle transmis par son père, il peut être soit A, soit O.");
    r.explanationRect = {11520, 5400, 2925, 5145};
    r.mistakenPerson = Son;
    r.mistakenAlleles = {"A", "O"};
    return r;
}

Record exercise14() {
    Record r;
    r.persons = {
        given("AB", {{"A", "B"}, {"B", "A"}}, {"A", "B"}), given("O", {{"O", "O"}}, {"O", "O"}),
        given("A", {{"A", "O"}, {"O", "A"}}, {"A", "O"}),  given("B", {{"B", "O"}, {"O", "B"}}, {"B", "O"}),
        asked("?", {{"O", "?"}, {"?", "O"}}, {"?", "O"}),
    };
    r.persons[Mother].allelesSwapped = true;
    r.answerFrame = {3240, 1920, 7575, 5055};
    r.correctionFrame = {3240, 7200, 7575, 3495};
    r.centreFrames = true;
    r.correction = withTwoLetterGroups({Father});
    r.explanation = QStringLiteral(
        "Le père possède les allèles A et B car il est de groupe sanguin [AB], les allèles A et B étant "
        "codominants. La mère ne peut possèder que deux allèles O car l'allèle O est récessif. Elle ne peut "
        "transmettre à ses enfants que l'allèle O. Le fils de groupe sanguin [A] possède donc les allèles A "
        "et O, "
        "sa soeur de groupe sanguin [B] possède les allèles B et O. La dernière fille possède "
        "obligatoirement un "
        "allèle O transmis par sa mère. On ne peut connaître son deuxième allèle qui peut être A ou B, donc "
        "on ne "
        "peut déterminer son groupe sanguin.");
    r.explanationRect = {11520, 6240, 3165, 4905};
    r.mistakenPerson = SecondDaughter;
    r.mistakenGroup = QStringLiteral("?");
    r.mistakenAlleles = {"O", "A"};
    return r;
}

} // namespace

const Record& record(int exercise) {
    static const std::array<Record, 4> records = {exercise11(), exercise12(), exercise13(), exercise14()};
    if (exercise < 11 || exercise > 14) throw std::out_of_range("no blood-group family for this exercise");
    return records[std::size_t(exercise - 11)];
}

} // namespace bloodgroups
