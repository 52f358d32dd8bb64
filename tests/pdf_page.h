#pragma once
// Reads a PDF as a reader sees it: its words and where they stand, and its page as a picture.
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace forms {
class Form;
}

namespace pdf {

struct Word {
    QString text;
    QRectF box; // points, from the page's top left corner
};

struct Text {
    int pages = 0;
    QSizeF page; // points
    QList<Word> words;
};

// The words of the PDF file (empty, with pages 0, if it cannot be read).
Text words(const QString& path);
// The first page at one pixel a point.
QImage picture(const QString& path);

// The page must be the summary window as it stands on screen, without its two buttons: one page, every
// word on it, the identity, the score, the mark and all twenty rows, placed where the window has them,
// scaled to fit with its proportions kept, and centred.
void checkSummaryPage(const QString& path, const forms::Form& summary);

// For a PDF whose text a print queue has turned into shapes: its page must show the same picture as the
// reference PDF, in the same proportions, fitted to the page and centred.
void checkSamePicture(const QString& path, const QString& reference);

} // namespace pdf
