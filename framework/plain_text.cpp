#include "framework/plain_text.h"

namespace forms {

namespace {

// More than any language puts on one letter; a long pile of marks is a paste gone wrong, or a prank.
const int kMaxMarks = 4;

bool directionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C;
}

bool combiningMark(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

template <class Keep> QString filtered(const QString& text, Keep keep) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (keep(c)) out.append(text.constData() + i, pair ? 2 : 1);
        i += pair;
    }
    return out;
}

} // namespace

bool unwantedInLine(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

QString plainLine(const QString& text) {
    bool clean = true;
    for (QChar ch : text) // every unwanted character lies in the basic plane
        if (unwantedInLine(ch.unicode())) clean = false;
    return clean ? text : filtered(text, [](char32_t c) { return !unwantedInLine(c); });
}

QString readableName(const QString& text) {
    int marks = 0;
    return filtered(text, [&marks](char32_t c) {
        if (unwantedInLine(c) || directionMark(c)) return false;
        marks = combiningMark(c) ? marks + 1 : 0;
        return marks <= kMaxMarks;
    });
}

} // namespace forms
