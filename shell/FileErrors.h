#pragma once

#include <QString>

// Why a file could not be written, in words a user can act on: what went wrong ("The disk is
// full.") and what to do about it when the user chose where to write ("Make room on it, or
// choose another disk.").
struct WriteFailure {
    QString cause;
    QString remedy;
};

// error is the errno of the call that failed, or 0 when it is not known. What can be seen
// where the file was to go (a folder that is missing or may not be written, a read-only
// disk, a name too long to replace the file safely) comes first, since a failed call's errno
// may have been overwritten by Qt's cleaning up; then the error; then a full disk.
WriteFailure DescribeWriteFailure(const QString& path, int error);

// The temporary name QSaveFile gives a file it replaces: the name with ".XXXXXX" after it.
inline constexpr int kSaveFileSuffixLength = 7;
