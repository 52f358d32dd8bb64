#pragma once
#include <QSize>
#include <QString>

class QSvgRenderer;

namespace forms {
// One parsed renderer per picture for the whole run; null when the resource is missing or invalid.
QSvgRenderer* renderer(const QString& resource);
// The picture's own size in pixels.
QSize pictureSize(const QString& resource);
} // namespace forms
