#include "navigation/exercise_list.h"

const std::array<ExerciseEntry, 20>& exerciseList() {
    static const std::array<ExerciseEntry, 20> list{{
        {1, "Exercice 1 - Hérédité et caractères d'un individu", "Hérédité et caractères d'un individu"},
        {2, "Exercice 2 - La localisation du programme génétique (1)",
         "La localisation du programme génétique dans la cellule"},
        {3, "Exercice 3 - La localisation du programme génétique (2)",
         "La localisation du programme génétique dans la cellule"},
        {4, "Exercice 4 - Chromosomes humains", "Les chromosomes humains"},
        {5, "Exercice 5 - Caryotypes humains", "Les caryotypes humains"},
        {6, "Exercice 6 - Anomalie chromosomique", "Les anomalies chromosomiques"},
        {7, "Exercice 7 - Programme génétique et divisions cellulaires",
         "Le programme génétique et les divisions cellulaires"},
        {8, "Exercice 8 - Division cellulaire et transmission des chromosomes",
         "La division cellulaire et la transmission des chromosomes"},
        {9, "Exercice 9 - Les étapes de la division cellulaire", "Les étapes de la division cellulaire"},
        {10, "Exercice 10 - Les gènes et les allèles", "Les gènes et leurs allèles"},
        {11, "Exercice 11 - La transmission des allèles des groupes sanguins (1)", "La transmission des allèles"},
        {12, "Exercice 12 - La transmission des allèles des groupes sanguins (2)", "La transmission des allèles"},
        {13, "Exercice 13 - La transmission des allèles des groupes sanguins (3)", "La transmission des allèles"},
        {14, "Exercice 14 - La transmission des allèles des groupes sanguins (4)", "La transmission des allèles"},
        {15, "Exercice 15 - Les Chromosomes : supports des gènes", "Les chromosomes : supports de gènes"},
        {16, "Exercice 16 - Cellules sexuelles et caryotypes", "Les cellules sexuelles et leurs caryotypes"},
        {17, "Exercice 17 - Fécondation et chromosomes", "La fécondation et le déterminisme du sexe"},
        {18, "Exercice 18 - Formation des cellules sexuelles et répartition des allèles",
         "La répartition des allèles dans les cellules sexuelles"},
        {19, "Exercice 19 - La transmission du daltonisme", "La transmission des allèles"},
        {20, "Exercice 20 - Maladie génétique et hérédité", "La transmission des allèles"},
    }};
    return list;
}
