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
    // True while exercise screens are still waiting to be readied in the background.
    bool preparing() const { return !preparation_.empty(); }

private:
    void prepareExercises();
    void prepareNext();
    std::array<std::unique_ptr<forms::ExerciseScreen>, 21> exercises_;
    std::deque<int> preparation_; // the exercises still to be readied
    QObject guard_; // pending preparations go with the run
};

// Everything the screens rely on before the first one opens: fonts, style, icon, translations. Once a run.
void initialiseProgram();
