#pragma once
// The class folder: what each pupil's run leaves there for the teacher (the summary's page and a results
// file), and the reading of those results files back.
#include "framework/printing.h"
#include "navigation/module1.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The folder named in the settings (key dossier of [classe] in morvelle3/morvelle3.conf, the user's file
// before the system's); empty when none is set.
QString configuredClassFolder();

enum class Outcome { NotDone, Failed, Succeeded };
QString outcomeText(Outcome o); // "réussi", "échoué", "non fait"

// One pupil's run as the teacher gets it.
struct PupilResults {
    QDateTime when;
    QString classe; // as the summary shows it: "3ème B"
    QString nom, prenom;
    std::array<Outcome, 21> outcome{}; // 1 .. 20
    int succeeded() const;
};
PupilResults resultsOf(const Module1& record, const QDateTime& when);

// A pupil's results file: UTF-8, ';' between fields, a heading line and the pupil's line.
QByteArray resultsCsv(const PupilResults& r);
// False when the bytes are not a results file as resultsCsv writes them.
bool readResultsCsv(const QByteArray& bytes, PupilResults* r);

// CSV as French spreadsheets open it. A text a spreadsheet would take for a formula (=, +, -, @ first)
// is written so that it stays text, and read back as it was typed.
QByteArray csvLine(const QStringList& fields);
QByteArray csvFile(const QList<QStringList>& lines); // with the mark that tells spreadsheets it is UTF-8
// The lines of a CSV file; false if a quoted field is never closed.
bool parseCsv(const QByteArray& bytes, QList<QStringList>* lines);

// Leaves the summary's page (PDF) and the results file in the folder, under names made from the class,
// the pupil and the time, never over another file; base is then set to their path without the suffix.
// With base already set, those two files are written again instead. Empty on success; otherwise the
// reason in French, and no new file is left.
QString depositRun(const QString& folder, const PupilResults& r, const forms::Page& page, QString* base);
