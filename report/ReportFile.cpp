#include "report/ReportFile.h"

#include "shell/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

namespace ReportFile {

namespace {

// As many links as QSaveFile follows before it gives up.
constexpr int kMaxLinks = 128;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// What lies at path when it is not a regular file, as "a device"; empty for a regular file.
QString otherKind(const struct stat& status)
{
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QStringLiteral("a device");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("a pipe");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("something else");
}

} // namespace

Target Resolve(const QString& chosen)
{
    Target target;
    target.chosen = chosen;
    target.file = chosen;
    QFileInfo info(chosen);
    int links = 0;
    while (info.isSymLink()) {
        if (++links > kMaxLinks) {
            target.refusal = QStringLiteral("It is a link that never reaches a file. Choose another name.");
            return target;
        }
        info.setFile(info.symLinkTarget());
    }
    if (links > 0)
        target.file = info.filePath();

    struct stat status {};
    if (::lstat(QFile::encodeName(target.file).constData(), &status) != 0)
        return target; // nothing there yet
    target.exists = true;
    const QString kind = otherKind(status);
    if (kind.isEmpty())
        return target;
    target.refusal = links > 0 ? QStringLiteral("It is a link to \"%1\", %2, not a file. Choose another name.")
                                     .arg(native(target.file), kind)
                               : QStringLiteral("It is %1, not a file. Choose another name.").arg(kind);
    return target;
}

QString OverwriteQuestion(const Target& target)
{
    const QString name = QFileInfo(target.chosen).fileName();
    if (target.file != target.chosen) {
        return QStringLiteral("\"%1\" is a link to \"%2\".\n%3")
            .arg(name, native(target.file),
                 target.exists ? QStringLiteral("Do you want to replace \"%1\"?").arg(native(target.file))
                               : QStringLiteral("Do you want to save the report as \"%1\"?").arg(native(target.file)));
    }
    if (target.exists)
        return QStringLiteral("\"%1\" already exists.\nDo you want to replace it?").arg(name);
    return {};
}

QString Write(const Target& target, const QByteArray& data)
{
    // QSaveFile alone is not enough: write() may take part of the data without an error, and
    // commit() renames even when its last flush failed. Not committed, its temporary file
    // goes with it.
    QSaveFile file(target.file);
    errno = 0;
    bool written = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
    if (written) {
        errno = 0;
        written = file.commit();
    }
    if (written)
        return {};
    // Kept before anything else runs: it is the errno of the call that failed.
    const int error = errno;
    const WriteFailure failure = DescribeWriteFailure(target.file, error);
    return failure.cause + u' ' + failure.remedy;
}

} // namespace ReportFile
