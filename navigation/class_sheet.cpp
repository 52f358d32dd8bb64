#include "navigation/class_sheet.h"

#include "framework/safe_file.h"
#include "framework/units.h"

#include <QBuffer>
#include <QCollator>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>

const QString kClassSheetName = QStringLiteral("Bilan de la classe");

namespace {

constexpr qint64 kLargestResultsFile = 64 * 1024;

QString share(int count, int of) {
    return of ? QStringLiteral("%1 %").arg(qRound(100.0 * count / of)) : QStringLiteral("–");
}

int succeededBy(const ClassSheet& sheet, int k) {
    return int(std::count_if(sheet.pupils.begin(), sheet.pupils.end(),
                             [k](const PupilResults& p) { return p.outcome[k] == Outcome::Succeeded; }));
}

QString pupilsText(int n) {
    return n <= 1 ? QStringLiteral("%1 élève").arg(n) : QStringLiteral("%1 élèves").arg(n);
}

QString unreadableText(int n) {
    return n == 1 ? QStringLiteral("1 fichier illisible, non compté")
                  : QStringLiteral("%1 fichiers illisibles, non comptés").arg(n);
}

// ---------------------------------------------------------------- the printed table

// In points, on A4 landscape with a 1 cm margin.
constexpr double kPageWidth = 841.9, kPageHeight = 595.3, kMargin = 28.35;
constexpr double kRow = 15, kHeadRow = 18, kTotalsRow = 26;
struct Column {
    QString heading;
    double width;
};
constexpr double kNameWidths[3] = {56, 104, 88};
constexpr double kScoreWidth = 38;
// What is left of the line goes to the twenty exercises.
constexpr double kExerciseWidth =
    (kPageWidth - 2 * kMargin - kNameWidths[0] - kNameWidths[1] - kNameWidths[2] - 2 * kScoreWidth) / 20;

std::vector<Column> columns() {
    std::vector<Column> c{{QStringLiteral("Classe"), kNameWidths[0]},
                          {QStringLiteral("Nom"), kNameWidths[1]},
                          {QStringLiteral("Prénom"), kNameWidths[2]}};
    for (int k = 1; k <= 20; ++k)
        c.push_back({QString::number(k), kExerciseWidth});
    c.push_back({QStringLiteral("Score"), kScoreWidth});
    c.push_back({QStringLiteral("Note"), kScoreWidth});
    return c;
}

class TablePrinter {
public:
    TablePrinter(QPdfWriter& writer, QPainter& p, const ClassSheet& sheet)
        : writer_(writer), p_(p), sheet_(sheet), cols_(columns()) {
        body_ = font(8.5);
        bold_ = font(8.5, true);
        const double rowsRoom = kPageHeight - 2 * kMargin - kTop - kHeadRow - kFooter;
        perPage_ = std::max(1, int(rowsRoom / kRow));
        const int n = int(sheet.pupils.size());
        // The totals go with the last pupils; when they do not fit, onto a page of their own.
        pages_ = std::max(1, (n + perPage_ - 1) / perPage_);
        const int last = n - (pages_ - 1) * perPage_;
        if (last * kRow + kTotalsRow + kLegend > rowsRoom) ++pages_;
    }

    void print() {
        int next = 0;
        for (int page = 1; page <= pages_; ++page) {
            if (page > 1) writer_.newPage();
            double y = heading(page);
            for (int i = 0; i < perPage_ && next < sheet_.pupils.size(); ++i, ++next) {
                pupilRow(sheet_.pupils[next], y);
                y += kRow;
            }
            if (page == pages_) totals(y);
        }
    }

private:
    static constexpr double kTop = 52, kFooter = 16, kLegend = 16;

    // The painter already counts in points: the font's points are taken back to the device's.
    QFont font(double points, bool bold = false) const {
        QFont f(forms::resolveFamily(QStringLiteral("Arial")));
        f.setPointSizeF(points * 72.0 / writer_.resolution());
        f.setBold(bold);
        return f;
    }

    void cell(double x, double y, double w, double h, const QString& text, Qt::Alignment align,
              const QColor& fill = QColor()) {
        const QRectF r(x, y, w, h);
        if (fill.isValid()) p_.fillRect(r, fill);
        p_.drawRect(r);
        const QRectF inner = r.adjusted(2.5, 0, -2.5, 0);
        const QString shown = QFontMetricsF(p_.font()).elidedText(text, Qt::ElideRight, inner.width());
        p_.drawText(inner, int(align | Qt::AlignVCenter), shown);
    }

    double heading(int page) {
        p_.setPen(QPen(Qt::black, 0.6));
        p_.setFont(font(16, true));
        const double left = kMargin, width = kPageWidth - 2 * kMargin;
        p_.drawText(QRectF(left, kMargin, width, 24), Qt::AlignLeft | Qt::AlignVCenter, kClassSheetName);
        p_.setFont(body_);
        QString about = pupilsText(int(sheet_.pupils.size()));
        if (sheet_.unreadable) about += QStringLiteral(" · ") + unreadableText(sheet_.unreadable);
        about +=
            QStringLiteral(" · établi le %1").arg(sheet_.made.toString(QStringLiteral("dd/MM/yyyy à HH:mm")));
        p_.drawText(QRectF(left, kMargin + 24, width, 16), Qt::AlignLeft | Qt::AlignVCenter, about);
        p_.drawText(QRectF(left, kPageHeight - kMargin - kFooter, width, kFooter),
                    Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page %1 / %2").arg(page).arg(pages_));
        double x = left;
        const double y = kMargin + kTop;
        p_.setFont(bold_);
        for (const Column& c : cols_) {
            cell(x, y, c.width, kHeadRow, c.heading, c.width > kScoreWidth ? Qt::AlignLeft : Qt::AlignHCenter,
                 QColor(0xE0, 0xE0, 0xE0));
            x += c.width;
        }
        p_.setFont(body_);
        return y + kHeadRow;
    }

    void pupilRow(const PupilResults& r, double y) {
        double x = kMargin;
        const QString names[3] = {r.classe, r.nom, r.prenom};
        for (int i = 0; i < 3; ++i) {
            cell(x, y, kNameWidths[i], kRow, names[i], Qt::AlignLeft);
            x += kNameWidths[i];
        }
        for (int k = 1; k <= 20; ++k) {
            const Outcome o = r.outcome[k];
            cell(x, y, kExerciseWidth, kRow,
                 o == Outcome::Succeeded ? QStringLiteral("oui")
                 : o == Outcome::Failed  ? QStringLiteral("non")
                                         : QStringLiteral("–"),
                 Qt::AlignHCenter,
                 o == Outcome::Succeeded ? QColor(0xD6, 0xF0, 0xD6)
                 : o == Outcome::Failed  ? QColor(0xF6, 0xD5, 0xD5)
                                         : QColor());
            x += kExerciseWidth;
        }
        cell(x, y, kScoreWidth, kRow, QStringLiteral("%1 %").arg(5 * r.succeeded()), Qt::AlignHCenter);
        cell(x + kScoreWidth, y, kScoreWidth, kRow, QStringLiteral("%1/20").arg(r.succeeded()),
             Qt::AlignHCenter);
    }

    void totals(double y) {
        const int n = int(sheet_.pupils.size());
        p_.setFont(bold_);
        const double names = kNameWidths[0] + kNameWidths[1] + kNameWidths[2];
        cell(kMargin, y, names, kTotalsRow, QStringLiteral("Réussites (sur %1)").arg(pupilsText(n)),
             Qt::AlignLeft, QColor(0xE0, 0xE0, 0xE0));
        double x = kMargin + names;
        p_.setFont(font(7.5));
        for (int k = 1; k <= 20; ++k) {
            const int s = succeededBy(sheet_, k);
            cell(x, y, kExerciseWidth, kTotalsRow, QString(), Qt::AlignHCenter, QColor(0xE0, 0xE0, 0xE0));
            p_.drawText(QRectF(x, y + 1, kExerciseWidth, kTotalsRow / 2), Qt::AlignCenter,
                        QString::number(s));
            p_.drawText(QRectF(x, y + kTotalsRow / 2 - 1, kExerciseWidth, kTotalsRow / 2), Qt::AlignCenter,
                        share(s, n));
            x += kExerciseWidth;
        }
        cell(x, y, 2 * kScoreWidth, kTotalsRow, QString(), Qt::AlignHCenter, QColor(0xE0, 0xE0, 0xE0));
        p_.setFont(body_);
        p_.drawText(QRectF(kMargin, y + kTotalsRow + 4, kPageWidth - 2 * kMargin, kLegend - 4),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("oui : réussi     non : échoué     – : non fait"));
    }

    QPdfWriter& writer_;
    QPainter& p_;
    const ClassSheet& sheet_;
    std::vector<Column> cols_;
    QFont body_, bold_;
    int perPage_ = 1, pages_ = 1;
};

} // namespace

ClassSheet readClassFolder(const QString& folder) {
    ClassSheet sheet;
    sheet.made = QDateTime::currentDateTime();
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files) {
        if (name.compare(kClassSheetName + QStringLiteral(".csv"), Qt::CaseInsensitive) == 0) continue;
        QFile f(dir.filePath(name));
        PupilResults r;
        // A results file is a few hundred bytes: anything much larger is some other file, not read whole.
        if (f.size() <= kLargestResultsFile && f.open(QIODevice::ReadOnly) && readResultsCsv(f.readAll(), &r))
            sheet.pupils << r;
        else
            ++sheet.unreadable;
    }
    QCollator collator{QLocale(QLocale::French)};
    collator.setNumericMode(true);
    std::stable_sort(
        sheet.pupils.begin(), sheet.pupils.end(), [&](const PupilResults& a, const PupilResults& b) {
            for (auto [x, y] : {std::pair{a.classe, b.classe}, {a.nom, b.nom}, {a.prenom, b.prenom}})
                if (const int c = collator.compare(x, y)) return c < 0;
            return a.when < b.when;
        });
    return sheet;
}

QByteArray classSheetCsv(const ClassSheet& sheet) {
    QList<QStringList> lines;
    QStringList heading{QStringLiteral("Classe"), QStringLiteral("Nom"), QStringLiteral("Prénom")};
    for (int k = 1; k <= 20; ++k)
        heading << QStringLiteral("Exercice %1").arg(k);
    heading << QStringLiteral("Score (%)") << QStringLiteral("Note (/20)");
    lines << heading;
    for (const PupilResults& r : sheet.pupils) {
        QStringList l{r.classe, r.nom, r.prenom};
        for (int k = 1; k <= 20; ++k)
            l << outcomeText(r.outcome[k]);
        l << QString::number(5 * r.succeeded()) << QString::number(r.succeeded());
        lines << l;
    }
    const int n = int(sheet.pupils.size());
    QStringList totals{QStringLiteral("Réussites"), pupilsText(n), QString()};
    for (int k = 1; k <= 20; ++k) {
        const int s = succeededBy(sheet, k);
        totals << QStringLiteral("%1 (%2)").arg(s).arg(share(s, n));
    }
    totals << QString() << QString();
    lines << totals;
    if (sheet.unreadable) lines << QStringList{unreadableText(sheet.unreadable)};
    return csvFile(lines);
}

QByteArray classSheetPdf(const ClassSheet& sheet) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Morvelle 3"));
        writer.setTitle(kClassSheetName);
        QPainter p;
        if (!p.begin(&writer)) return QByteArray();
        // Laid out in points, whatever the resolution.
        p.scale(writer.resolution() / 72.0, writer.resolution() / 72.0);
        TablePrinter(writer, p, sheet).print();
        if (!p.end()) return QByteArray();
    }
    return buffer.data();
}

QString writeClassSheet(const QString& folder, ClassSheet* out) {
    const QFileInfo info(folder);
    if (!info.exists()) return forms::reasonFor(ENOENT);
    if (!info.isDir()) return forms::reasonFor(ENOTDIR);
    const ClassSheet sheet = readClassFolder(folder);
    if (out) *out = sheet;
    const QByteArray pdf = classSheetPdf(sheet);
    if (pdf.isEmpty()) return QStringLiteral("le tableau n'a pas pu être dessiné");
    const QDir dir(folder);
    QString why =
        forms::writeWholeFile(dir.filePath(kClassSheetName + QStringLiteral(".csv")), classSheetCsv(sheet));
    if (why.isEmpty())
        why = forms::writeWholeFile(dir.filePath(kClassSheetName + QStringLiteral(".pdf")), pdf);
    return why;
}
