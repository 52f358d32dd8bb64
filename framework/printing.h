#pragma once
// Printing a window: its client area as displayed, onto one page, scaled to fit and centred.
#include <QPicture>
#include <QSize>
#include <QString>

class QPagedPaintDevice;

namespace forms {

class Form;

struct Page {
    QPicture picture;
    QSize size; // pixels of the client area
};

// Records the client area as it is displayed now: text stays text and lines stay lines.
Page captureClientArea(const Form& form);
// Lays the page out in the orientation that fits it best, scaled to fit the printable area and centred,
// whatever the device's resolution.
bool printPage(const Page& page, QPagedPaintDevice* device);
// False when there is no default printer or the printer fails.
bool printOnDefaultPrinter(const Page& page);
// The page as a one-page PDF of the given resolution, in memory; empty if it could not be drawn.
QByteArray pdfOf(const Page& page, int dotsPerInch = 300);
// Saves the page as a PDF file. On failure, reason (if given) says why in French, and any file that was at
// the path is left as it was.
bool savePdf(const Page& page, const QString& path, QString* reason = nullptr);

} // namespace forms
