#include "exercises/registry.h"

#include "exercises/exercice1.h"
#include "exercises/exercice11_14.h"
#include "exercises/exercice17.h"
#include "exercises/exercice20.h"
#include "exercises/exercice3.h"
#include "exercises/exercice8.h"
#include "exercises/exercise_table.h"

std::unique_ptr<forms::ExerciseScreen> makeExercise(int n, forms::ExerciseHost* host) {
    switch (n) {
    case 1: return std::make_unique<Exercice1>(host);
    case 3: return std::make_unique<Exercice3>(host);
    case 8: return std::make_unique<Exercice8>(host);
    case 17: return std::make_unique<Exercice17>(exerciseInfo(17), host);
    case 20: return std::make_unique<Exercice20>(exerciseInfo(20), host);
    case 11: return std::make_unique<Exercice11>(exerciseInfo(11), host);
    case 12: return std::make_unique<Exercice12>(exerciseInfo(12), host);
    case 13: return std::make_unique<Exercice13>(exerciseInfo(13), host);
    case 14: return std::make_unique<Exercice14>(exerciseInfo(14), host);
    default: return std::make_unique<forms::ExerciseScreen>(exerciseInfo(n), host);
    }
}
