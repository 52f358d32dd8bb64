#pragma once
// Drawn pictures kept in a folder from one run to the next, so that a picture is read back instead of being
// drawn again. A kept file serves only the same picture file (the same contents), at the same pixel size,
// drawn by the same version of Qt; any other file, a short one or a foreign one, reads as nothing, and the
// picture is drawn as usual. One file for each picture and size. Any thread.
#include <QImage>
#include <QString>

namespace forms {

// The folder of the user's cache where the program keeps its pictures; empty if there is none. Found once,
// the first time it is asked for: the application's name is set by then.
QString keptPicturesFolder();
// The picture as it was kept, or a null image.
QImage keptPicture(const QString& folder, const QString& resource, const QSize& pixels,
                   double devicePixelRatio);
// Keeps the drawn picture in the folder, made if need be; replaces what was kept for that picture at that
// size before.
// Returns false if it could not be written (nothing is left half-written).
bool keepPicture(const QString& folder, const QString& resource, const QImage& drawn);

} // namespace forms
