#pragma once
#include <QString>
#include <array>

// The pupil record: the only state the screens share, kept for the run and never saved.
struct Module1 {
    QString Nom;
    QString Prenom;
    QString Classe;
    // Resultat[N] for exercise N (1 .. 20): 0 until validated or after a failure, 1 after a success.
    std::array<int, 21> Resultat{};
};
