#include "exercises/registry.h"

#include "exercises/exercice1.h"
#include "exercises/exercice3.h"
#include "exercises/exercice8.h"
#include "exercises/exercise_table.h"

std::unique_ptr<forms::ExerciseScreen> makeExercise(int n, forms::ExerciseHost* host) {
    switch (n) {
    case 1: return std::make_unique<Exercice1>(host);
    case 3: return std::make_unique<Exercice3>(host);
    case 8: return std::make_unique<Exercice8>(host);
    default: return std::make_unique<forms::ExerciseScreen>(exerciseInfo(n), host);
    }
}
