#pragma once
// Drawn pictures kept in a folder from one run to the next, so that a start-up picture is read back instead
// of being drawn again. A kept file serves only the same picture file (same time and size), at the same
// pixel size, drawn by the same version of Qt; any other file, a short one or a foreign one, reads as
// nothing, and the picture is drawn as usual. Any thread.
#include <QImage>
#include <QString>

namespace forms {

// The folder of the user's cache where the program keeps its pictures; empty if there is none.
QString keptPicturesFolder();
// The picture as it was kept, or a null image.
QImage keptPicture(const QString& folder, const QString& resource, const QSize& pixels, double devicePixelRatio);
// Keeps the drawn picture in the folder, made if need be; replaces what was kept for that picture before.
// Returns false if it could not be written (nothing is left half-written).
bool keepPicture(const QString& folder, const QString& resource, const QImage& drawn);

} // namespace forms
