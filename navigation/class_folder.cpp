#include "navigation/class_folder.h"

#include "framework/safe_file.h"
#include "navigation/navigation.h"

#include <QDir>
#include <QSettings>
#include <cerrno>

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy HH:mm");
const QByteArray kUtf8Mark = "\xEF\xBB\xBF";

QStringList resultsHeading() {
    QStringList h{QStringLiteral("Date"), QStringLiteral("Classe"), QStringLiteral("Nom"),
                  QStringLiteral("Prénom")};
    for (int k = 1; k <= 20; ++k)
        h << QStringLiteral("Exercice %1").arg(k);
    h << QStringLiteral("Score (%)") << QStringLiteral("Note (/20)");
    return h;
}

// A leading quote keeps a spreadsheet from reading the text as a formula; a text that itself starts with
// a quote gets one more, so that reading back always takes exactly one off.
bool needsQuoteMark(const QString& f) {
    return !f.isEmpty() && QStringLiteral("=+-@\t\r'").contains(f.front());
}

} // namespace

QString configuredClassFolder() {
    const QSettings settings(QStringLiteral("morvelle3"), QStringLiteral("morvelle3"));
    // A path with a comma comes back from the settings file as a list.
    QString folder =
        settings.value(QStringLiteral("classe/dossier")).toStringList().join(QLatin1Char(',')).trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    return folder;
}

QString outcomeText(Outcome o) {
    switch (o) {
    case Outcome::Succeeded:
        return QStringLiteral("réussi");
    case Outcome::Failed:
        return QStringLiteral("échoué");
    case Outcome::NotDone:
        break;
    }
    return QStringLiteral("non fait");
}

int PupilResults::succeeded() const {
    int t = 0;
    for (int k = 1; k <= 20; ++k)
        t += outcome[k] == Outcome::Succeeded;
    return t;
}

PupilResults resultsOf(const Module1& record, const QDateTime& when) {
    PupilResults r;
    r.when = when;
    r.classe = record.Classe.isEmpty() ? QStringLiteral("3ème") : QStringLiteral("3ème ") + record.Classe;
    r.nom = record.Nom;
    r.prenom = record.Prenom;
    for (int k = 1; k <= 20; ++k)
        r.outcome[k] = !record.validated[k]      ? Outcome::NotDone
                       : record.Resultat[k] == 1 ? Outcome::Succeeded
                                                 : Outcome::Failed;
    return r;
}

QByteArray csvLine(const QStringList& fields) {
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i) line += ';';
        QString f = fields[i];
        const bool marked = needsQuoteMark(f);
        if (marked) f.prepend(QLatin1Char('\''));
        if (marked || f.contains(QLatin1Char(';')) || f.contains(QLatin1Char('"')) ||
            f.contains(QLatin1Char('\n')) || f.contains(QLatin1Char('\r')))
            f = QLatin1Char('"') + f.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        line += f.toUtf8();
    }
    return line + "\r\n";
}

QByteArray csvFile(const QList<QStringList>& lines) {
    QByteArray bytes = kUtf8Mark;
    for (const QStringList& l : lines)
        bytes += csvLine(l);
    return bytes;
}

bool parseCsv(const QByteArray& bytes, QList<QStringList>* lines) {
    const QString text = QString::fromUtf8(bytes.startsWith(kUtf8Mark) ? bytes.mid(kUtf8Mark.size()) : bytes);
    lines->clear();
    QStringList line;
    QString field;
    bool quoted = false, any = false;
    auto endField = [&] {
        if (field.startsWith(QLatin1Char('\''))) field.remove(0, 1);
        line << field;
        field.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        any = true;
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            endField();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            endField();
            *lines << line;
            line.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (quoted) return false;
    if (any) {
        endField();
        *lines << line;
    }
    return true;
}

QByteArray resultsCsv(const PupilResults& r) {
    QStringList line{r.when.toString(kDateFormat), r.classe, r.nom, r.prenom};
    for (int k = 1; k <= 20; ++k)
        line << outcomeText(r.outcome[k]);
    line << QString::number(5 * r.succeeded()) << QString::number(r.succeeded());
    return csvFile({resultsHeading(), line});
}

bool readResultsCsv(const QByteArray& bytes, PupilResults* r) {
    QList<QStringList> lines;
    if (!parseCsv(bytes, &lines) || lines.size() != 2 || lines[0] != resultsHeading() ||
        lines[1].size() != lines[0].size())
        return false;
    const QStringList& l = lines[1];
    PupilResults p;
    p.when = QDateTime::fromString(l[0], kDateFormat);
    p.classe = l[1];
    p.nom = l[2];
    p.prenom = l[3];
    if (!p.when.isValid()) return false;
    for (int k = 1; k <= 20; ++k) {
        const QString& o = l[3 + k];
        if (o == outcomeText(Outcome::Succeeded))
            p.outcome[k] = Outcome::Succeeded;
        else if (o == outcomeText(Outcome::Failed))
            p.outcome[k] = Outcome::Failed;
        else if (o == outcomeText(Outcome::NotDone))
            p.outcome[k] = Outcome::NotDone;
        else
            return false;
    }
    // The score and the mark follow from the results; a file where they do not was changed by hand.
    if (l[24] != QString::number(5 * p.succeeded()) || l[25] != QString::number(p.succeeded())) return false;
    *r = p;
    return true;
}

QString depositRun(const QString& folder, const PupilResults& r, const forms::Page& page, QString* base) {
    const QFileInfo info(folder);
    if (!info.exists()) return forms::reasonFor(ENOENT);
    if (!info.isDir()) return forms::reasonFor(ENOTDIR);
    const QByteArray pdf = forms::pdfOf(page);
    if (pdf.isEmpty()) return QStringLiteral("la page n'a pas pu être dessinée");
    const QByteArray csv = resultsCsv(r);
    if (!base->isEmpty()) {
        // The run's own files, brought up to date; the results file last, so that it never says more than
        // the page beside it.
        QString why = forms::writeWholeFile(*base + QStringLiteral(".pdf"), pdf);
        if (why.isEmpty()) why = forms::writeWholeFile(*base + QStringLiteral(".csv"), csv);
        return why;
    }
    const QDir dir(folder);
    const QString stem = safeFileName(
        QStringLiteral("%1 %2 %3 %4")
            .arg(r.classe, r.nom, r.prenom, r.when.toString(QStringLiteral("yyyy-MM-dd HH'h'mm"))),
        QString());
    // Two pupils of the same name in the same minute: the second gets the first free number.
    for (int n = 1; n <= 999; ++n) {
        const QString name = dir.filePath(n == 1 ? stem : QStringLiteral("%1 (%2)").arg(stem).arg(n));
        bool taken = false;
        QString why = forms::writeNewFile(name + QStringLiteral(".pdf"), pdf, &taken);
        if (!why.isEmpty()) return why;
        if (taken) continue;
        why = forms::writeNewFile(name + QStringLiteral(".csv"), csv, &taken);
        if (why.isEmpty() && !taken) {
            *base = name;
            return QString();
        }
        QFile::remove(name + QStringLiteral(".pdf"));
        if (!why.isEmpty()) return why;
    }
    return QStringLiteral("trop de fichiers portent déjà ce nom");
}
