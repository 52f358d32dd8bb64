#include "framework/printing.h"

#include "framework/forms.h"

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
    const double k = std::min(double(area.width()) / page.size.width(), double(area.height()) / page.size.height());
    painter.translate(area.x() + (area.width() - page.size.width() * k) / 2,
                      area.y() + (area.height() - page.size.height() * k) / 2);
    painter.scale(k, k);
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

bool savePdf(const Page& page, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    return printPage(page, &writer);
}

} // namespace forms
