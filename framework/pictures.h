#pragma once
#include <QIcon>
#include <QSize>
#include <QString>

class QPainter;
class QRect;
class QRectF;
class QSizeF;
class QSvgRenderer;

namespace forms {
// One parsed renderer per picture for the whole run, for the drawings that are not cached (printing, drag
// icons); null when the resource is missing or invalid. GUI thread only.
QSvgRenderer* renderer(const QString& resource);
// An icon drawn from the picture at whatever size is asked for (a window's title bar, a button), without the
// plugin Qt would load to read a picture file as an icon. GUI thread only.
QIcon pictureIcon(const QString& resource);
// The picture's own size in pixels.
QSize pictureSize(const QString& resource);
// Draws the picture into a rectangle. On screen, the picture is drawn once at the device's pixel size, off
// the GUI thread, and reused for the rest of the run, so that a screen full of detailed drawings still opens
// at once. Printing gets the vector drawing.
void drawPicture(QPainter& p, const QString& resource, const QRectF& target);
// Starts drawing the picture at this size now, on a thread of its own: a screen about to show it.
void hurryPicture(const QString& resource, const QSizeF& target, double devicePixelRatio);
// Starts drawing the picture of a control placed at this rectangle in twips, before the screen that shows it
// is built; once the application object exists (drawing needs its default font).
void drawAhead(const QString& resource, const QRect& twips);
// Queues the picture to be drawn in the background, one picture after another, so that a screen opened
// later finds it ready and the pupil's clicks are never kept waiting meanwhile.
void preparePicture(const QString& resource, const QSizeF& target, double devicePixelRatio);
} // namespace forms
