#include "exercises/registry.h"

#include "exercises/exercice1.h"
#include "exercises/exercice2.h"
#include "exercises/exercice3.h"
#include "exercises/exercice4.h"
#include "exercises/exercice5.h"
#include "exercises/exercice6.h"
#include "exercises/exercice7.h"
#include "exercises/exercice8.h"
#include "exercises/exercice9.h"
#include "exercises/exercice10.h"
#include "exercises/exercice11_14.h"
#include "exercises/exercice15.h"
#include "exercises/exercice16.h"
#include "exercises/exercice17.h"
#include "exercises/exercice18.h"
#include "exercises/exercice19.h"
#include "exercises/exercice20.h"
#include "exercises/exercise_table.h"

namespace {
template <class Screen> std::unique_ptr<forms::ExerciseScreen> screen(int n, forms::ExerciseHost* host) {
    return std::make_unique<Screen>(exerciseInfo(n), host);
}
} // namespace

std::unique_ptr<forms::ExerciseScreen> makeExercise(int n, forms::ExerciseHost* host) {
    switch (n) {
    case 1: return screen<Exercice1>(n, host);
    case 2: return screen<Exercice2>(n, host);
    case 3: return screen<Exercice3>(n, host);
    case 4: return screen<Exercice4>(n, host);
    case 5: return screen<Exercice5>(n, host);
    case 6: return screen<Exercice6>(n, host);
    case 7: return screen<Exercice7>(n, host);
    case 8: return screen<Exercice8>(n, host);
    case 9: return screen<Exercice9>(n, host);
    case 10: return screen<Exercice10>(n, host);
    case 11: return screen<Exercice11>(n, host);
    case 12: return screen<Exercice12>(n, host);
    case 13: return screen<Exercice13>(n, host);
    case 14: return screen<Exercice14>(n, host);
    case 15: return screen<Exercice15>(n, host);
    case 16: return screen<Exercice16>(n, host);
    case 17: return screen<Exercice17>(n, host);
    case 18: return screen<Exercice18>(n, host);
    case 19: return screen<Exercice19>(n, host);
    case 20: return screen<Exercice20>(n, host);
    default: return nullptr;
    }
}
