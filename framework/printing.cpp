#include "framework/printing.h"

#include "framework/forms.h"
#include "framework/safe_file.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace forms {

Page captureClientArea(const Form& form) {
    Page page;
    QWidget* c = form.canvas();
    if (!c) return page;
    page.size = c->size();
    QPainter p(&page.picture);
    c->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    p.end();
    return page;
}

bool printPage(const Page& page, QPagedPaintDevice* device) {
    if (!device || page.size.isEmpty()) return false;
    device->setPageOrientation(page.size.width() > page.size.height() ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(device)) return false;
    const QRect area = painter.viewport();
    const double k =
        std::min(double(area.width()) / page.size.width(), double(area.height()) / page.size.height());
    painter.translate(area.x() + (area.width() - page.size.width() * k) / 2,
                      area.y() + (area.height() - page.size.height() * k) / 2);
    // A recorded picture plays itself back scaled from its own resolution to the device's; that scaling is
    // already part of k, so it is taken out again.
    const double replay = double(device->logicalDpiX()) / page.picture.logicalDpiX();
    painter.scale(k / replay, k / replay);
    painter.drawPicture(0, 0, page.picture);
    return painter.end();
}

bool printOnDefaultPrinter(const Page& page) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return false;
    return printPage(page, &printer) && printer.printerState() != QPrinter::Error;
}

QByteArray pdfOf(const Page& page, int dotsPerInch) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(dotsPerInch);
        writer.setCreator(QStringLiteral("Morvelle 3"));
        if (!printPage(page, &writer)) return QByteArray();
    }
    return buffer.data();
}

bool savePdf(const Page& page, const QString& path, QString* reason) {
    const QByteArray pdf = pdfOf(page);
    const QString why =
        pdf.isEmpty() ? QStringLiteral("la page n'a pas pu être dessinée") : writeWholeFile(path, pdf);
    if (reason) *reason = why;
    return why.isEmpty();
}

} // namespace forms
