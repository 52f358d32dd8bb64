#pragma once
// The words of a picture, turned into the outlines of their letters when the program is built. Drawing a
// word costs the picture renderer a text layout, and each drawing thread its own copy of the font; a
// filled outline costs a path. Laid out as the renderer lays the word out, so the picture looks the same.
#include <QByteArray>
#include <QString>

namespace outline {

// The picture with every <text> element replaced by a <path> of its letters, in place, everything else
// untouched. Empty, with the reason in *error, if a word cannot be outlined exactly: letters inside
// elements of their own, several positions, a font this machine does not have.
QByteArray outlineWords(const QByteArray& svg, QString* error);

} // namespace outline
