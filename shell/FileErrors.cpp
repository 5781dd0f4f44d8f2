#include "shell/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Less room than this on a disk that refused a write means it is full.
constexpr unsigned long long kNearlyFullBytes = 1024 * 1024;

// What can be seen of the place a file was to be written; 0 when nothing there explains
// a failure.
int visibleProblem(const QString& path)
{
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat folderStatus {};
    if (::stat(folder.constData(), &folderStatus) != 0)
        return errno;
    if (!S_ISDIR(folderStatus.st_mode))
        return ENOTDIR;
    struct statvfs disk {};
    if (::statvfs(folder.constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY))
        return EROFS;
    if (::access(folder.constData(), W_OK) != 0)
        return errno;
    const bool exists = info.exists();
    if (exists && ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) != 0)
        return errno;
    // An existing file is replaced through a temporary file whose name is longer.
    const long nameMax = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const qsizetype nameBytes = QFile::encodeName(info.fileName()).size() + (exists ? kSaveFileSuffixLength : 0);
    if (nameMax > 0 && nameBytes > nameMax)
        return ENAMETOOLONG;
    return 0;
}

bool diskIsFull(const QString& path)
{
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &disk) != 0)
        return false;
    const unsigned long long blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
    const unsigned long long files = ::geteuid() == 0 ? disk.f_ffree : disk.f_favail;
    return blocks * disk.f_frsize < kNearlyFullBytes || (disk.f_files > 0 && files == 0);
}

} // namespace

WriteFailure DescribeWriteFailure(const QString& path, int error)
{
    if (const int seen = visibleProblem(path))
        error = seen;
    else if (error == ENOENT)
        error = 0; // the folder is there: a file the cleaning up looked for, not the cause
    if (error == 0 && diskIsFull(path))
        error = ENOSPC;

    switch (error) {
    case ENOSPC:
        return {QStringLiteral("The disk is full."), QStringLiteral("Make room on it, or choose another disk.")};
    case EDQUOT:
        return {QStringLiteral("Your share of the disk is used up."),
                QStringLiteral("Make room on it, or choose another disk.")};
    case EACCES:
    case EPERM:
        if (QFileInfo::exists(path) && ::access(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), W_OK) == 0)
            return {QStringLiteral("You may not change this file."), QStringLiteral("Choose another name.")};
        return {QStringLiteral("You may not write to this folder."), QStringLiteral("Choose another folder.")};
    case EROFS:
        return {QStringLiteral("The disk is read-only."), QStringLiteral("Choose another disk.")};
    case ENAMETOOLONG:
        return {QStringLiteral("The name is too long for this folder."), QStringLiteral("Choose a shorter name.")};
    case ENOENT:
        return {QStringLiteral("The folder does not exist."), QStringLiteral("Choose a folder that exists.")};
    case ENOTDIR:
        return {QStringLiteral("Part of the path is not a folder."), QStringLiteral("Choose a folder that exists.")};
    case EISDIR:
        return {QStringLiteral("It is a folder."), QStringLiteral("Choose a file name.")};
    case EIO:
        return {QStringLiteral("The disk reported a fault while writing."),
                QStringLiteral("Check the disk, or choose another one.")};
    case EFBIG:
        return {QStringLiteral("The file is too large for this disk."), QStringLiteral("Choose another disk.")};
    case EBUSY:
    case ETXTBSY:
        return {QStringLiteral("The file is in use."),
                QStringLiteral("Close the program that uses it, or choose another name.")};
    case ELOOP:
        return {QStringLiteral("The name leads through too many links."), QStringLiteral("Choose another name.")};
    case 0:
        return {QStringLiteral("Not everything reached the disk."), QStringLiteral("Try again, or choose another disk.")};
    default:
        return {QStringLiteral("The system said: %1.").arg(qt_error_string(error)),
                QStringLiteral("Choose another name or folder.")};
    }
}
