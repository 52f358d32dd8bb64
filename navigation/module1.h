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
    // validated[N]: exercise N was validated at least once. The summary reads only Resultat; what the run
    // leaves for the teacher tells a failed exercise from one never done.
    std::array<bool, 21> validated{};
    bool operator==(const Module1& o) const {
        return Nom == o.Nom && Prenom == o.Prenom && Classe == o.Classe && Resultat == o.Resultat &&
               validated == o.validated;
    }
};
