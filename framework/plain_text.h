#pragma once
// What a name or any one line of text may hold: what a keyboard types, not what a paste drags along.
#include <QString>

namespace forms {

// Control characters (C0, DEL, C1, line and paragraph separators) and the explicit direction embeddings,
// overrides and isolates, which would turn the rest of the line they stand on around.
bool unwantedInLine(char32_t c);
// The text without them.
QString plainLine(const QString& text);
// The plain line, also without the invisible direction marks, and with no more than a few combining marks
// on any one character: a name as it can be shown, printed and given to a file.
QString readableName(const QString& text);

} // namespace forms
