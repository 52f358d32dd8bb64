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

// The first thing the program does: large buffers get memory that is quick to use for the first time.
void keepLargeBuffersInLargePages();
// Reads the system's font configuration on another thread while the application object is built: the
// longest part of start-up, which the splash screen's text waits for (in initialiseProgram).
void startReadingFonts();
// The system's font configuration and its fonts, read as fontconfig reads them for any program, only
// quicker; null if it cannot be read that way. The caller owns it (FcConfigDestroy).
typedef struct _FcConfig FcConfig;
FcConfig* readFontConfiguration();
// Everything the screens rely on before the first one opens: fonts, style, icon, translations. Once a run.
void initialiseProgram();
