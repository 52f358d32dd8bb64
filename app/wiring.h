#pragma once
// The one place where the home screen meets the exercises.
#include "framework/exercise_screen.h"
#include "navigation/navigation.h"

#include <QObject>
#include <array>
#include <deque>
#include <functional>
#include <memory>

class App {
public:
    App();
    // Shows the splash screen, the program's start-up window.
    void start();
    Navigation nav;
    forms::ExerciseScreen& exercise(int n) { return *exercises_.at(std::size_t(n)); }

private:
    void prepareExercises();
    void prepareNext();
    std::array<std::unique_ptr<forms::ExerciseScreen>, 21> exercises_;
    std::deque<std::function<bool()>> preparation_; // each step returns true while it has more to do
    QObject guard_; // pending preparations go with the run
};

// Everything the screens rely on before the first one opens: fonts, style, icon, translations.
void initialiseProgram();
