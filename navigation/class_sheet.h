#pragma once
// The class sheet: every pupil's results found in the class folder, in one table for the teacher.
#include "navigation/class_folder.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct ClassSheet {
    QList<PupilResults> pupils; // by class, then surname, then first name
    int unreadable = 0;         // files of the folder (.csv) that are no results file
    QDateTime made;
};

// The name both files of the sheet take in the folder, with .pdf and .csv.
extern const QString kClassSheetName; // "Bilan de la classe"

// Reads every results file of the folder; the sheet's own files are not among them.
ClassSheet readClassFolder(const QString& folder);
// A line a pupil, then how many succeeded each exercise and their share of the class.
QByteArray classSheetCsv(const ClassSheet& sheet);
// The same table on A4 landscape pages, its heading on each.
QByteArray classSheetPdf(const ClassSheet& sheet);
// Reads the folder and writes both files into it, each whole or not at all. Empty on success, otherwise
// the reason in French.
QString writeClassSheet(const QString& folder, ClassSheet* sheet = nullptr);
