#pragma once
#include "framework/exercise_screen.h"

// The particulars of exercise N (1 .. 20): its title, its chrome and its departures from the shared steps.
const forms::ExerciseInfo& exerciseInfo(int n);
