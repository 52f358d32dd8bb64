#pragma once
#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace forms {
// One parsed renderer per picture for the whole run; null when the resource is missing or invalid.
QSvgRenderer* renderer(const QString& resource);
// The picture's own size in pixels.
QSize pictureSize(const QString& resource);
// Draws the picture into a rectangle. On screen, a picture rendered once at the device's pixel size is
// reused, so that a screen full of detailed drawings still opens at once; printing gets the vector drawing.
void drawPicture(QPainter& p, QSvgRenderer& r, const QString& resource, const QRectF& target);
// Readies the picture that drawPicture will want at this size, a share at a time, so that the pupil's
// clicks are not kept waiting: the first call parses the picture, the next draws it; returns false once
// the picture is ready.
std::function<bool()> preparePicture(const QString& resource, const QSizeF& target, double devicePixelRatio);
} // namespace forms
