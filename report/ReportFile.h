#pragma once

#include <QByteArray>
#include <QString>

// Where a report saved or printed under a chosen name really goes, and writing it there.
namespace ReportFile {

struct Target {
    QString chosen;  // the name the user chose
    QString file;    // what is written: the chosen name with symbolic links followed
    bool exists = false; // file exists and would be replaced
    QString refusal; // why nothing is written there (a device, a pipe ...); empty when it may be
};

// Follows symbolic links as QSaveFile does and looks at what lies at the end: only a
// regular file, or nothing yet, may be written.
Target Resolve(const QString& chosen);

// The question to ask before writing: it names the file really replaced when the chosen
// name is a link. Empty when the chosen name is new.
QString OverwriteQuestion(const Target& target);

// Writes data to target.file through a temporary file beside it that replaces the file
// only once every byte is on the disk, so a failure leaves any earlier file as it was.
// Returns why it failed, as a cause and a remedy; an empty string when it was written.
QString Write(const Target& target, const QByteArray& data);

} // namespace ReportFile
