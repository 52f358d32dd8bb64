#pragma once
// The screens whose answers are lists cb1, cb2, ...: one row of a table answers them all.
#include "tests/driver.h"

#include <initializer_list>
#include <utility>

namespace drv {

// The answers with some lists answered otherwise: {list number from 1, answer}.
inline QStringList changed(QStringList answers, std::initializer_list<std::pair<int, QString>> changes) {
    for (const auto& [list, answer] : changes)
        answers[list - 1] = answer;
    return answers;
}

// Answer k goes to list cbk (or another name followed by k): "=text" is typed key by key into its field,
// "text" is picked from it, "" leaves it blank.
inline void answerLists(const forms::Form& ex, const QStringList& answers, const QString& name = QStringLiteral("cb")) {
    for (int k = 0; k < answers.size(); ++k) {
        const QString list = name + QString::number(k + 1);
        const QString& a = answers[k];
        if (a.startsWith(QLatin1Char('=')))
            type(ex, list, a.mid(1));
        else if (!a.isEmpty())
            pick(ex, list, a);
    }
}

// Answers lists cb1..cbN as a table row says and validates: the verdict is the expected one, every list is
// locked, and the correction stays hidden until asked for.
inline void validateLists(Run& run, forms::ExerciseScreen& ex, const QStringList& answers, int lists, bool right) {
    answerLists(ex, answers);
    click(ex, "imgValidation");
    checkVerdict(run, ex, right);
    for (int k = 1; k <= lists; ++k)
        QVERIFY(!enabled(ex, QStringLiteral("cb%1").arg(k)));
    QVERIFY(!visible(ex, "lblRep"));
}

// Focus starts in cb1 and Tab walks the lists in their order.
inline void checkListTabOrder(const forms::Form& ex, int lists) {
    for (int k = 1; k <= lists; ++k) {
        QCOMPARE(focused(ex), control(ex, QStringLiteral("cb%1").arg(k))->widget());
        key(ex, Qt::Key_Tab);
    }
}

} // namespace drv
