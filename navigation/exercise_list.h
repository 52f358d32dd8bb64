#pragma once
#include <QString>
#include <array>

// The twenty exercises as the home screen lists them and the summary reports them.
struct ExerciseEntry {
    int number;
    QString homeTitle; // the caption of lblExoN
    QString advice;    // the notion to revise when the exercise is not succeeded
};

const std::array<ExerciseEntry, 20>& exerciseList();
