#pragma once
#include "framework/exercise_screen.h"

#include <memory>

// The screen of exercise N (1 to 20), reporting to the given host.
std::unique_ptr<forms::ExerciseScreen> makeExercise(int n, forms::ExerciseHost* host);
