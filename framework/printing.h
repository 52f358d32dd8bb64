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

// Records the client area as it is displayed now.
Page captureClientArea(const Form& form);
// Lays the page out in the orientation that fits it best, scaled to fit and centred.
bool printPage(const Page& page, QPagedPaintDevice* device);
// False when there is no default printer or the printer fails.
bool printOnDefaultPrinter(const Page& page);
bool savePdf(const Page& page, const QString& path);

} // namespace forms
