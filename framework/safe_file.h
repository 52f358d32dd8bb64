#pragma once
// Writing a file so that a failure never leaves a half-written one in place of what was there.
#include <QByteArray>
#include <QString>

namespace forms {

// Writes the bytes to a temporary file beside the target and puts it in the target's place only once every
// byte has reached the disk. Returns an empty string on success, otherwise the reason in French; the target
// is then as it was. A target that is not a regular file (a device) is written directly.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// Removes the temporary file being written, if any, so that nothing is left of it, and has its writing
// given up, what it was to replace left as it was. Safe in a signal handler.
void abandonTemporaryFile();
// The same, for a file that must not take another's place: when the name is already taken (also by a file
// that appears while this one is written), nothing is written, taken is set and an empty string returned.
QString writeNewFile(const QString& path, const QByteArray& bytes, bool* taken);

// The reason for a failed system call, in words a pupil or a teacher understands.
QString reasonFor(int error);

} // namespace forms
