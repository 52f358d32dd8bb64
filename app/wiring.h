#pragma once
// The one place where the home screen meets the exercises.
#include "framework/exercise_screen.h"
#include "navigation/navigation.h"

#include <array>
#include <memory>

class App {
public:
    App();
    // Shows the splash screen, the program's start-up window.
    void start();
    Navigation nav;
    forms::ExerciseScreen& exercise(int n) { return *exercises_.at(std::size_t(n)); }

private:
    std::array<std::unique_ptr<forms::ExerciseScreen>, 21> exercises_;
};

// Everything the screens rely on before the first one opens: fonts, style, icon, translations.
void initialiseProgram();
