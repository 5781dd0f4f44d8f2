#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>

// The program's title, shown on every message box and on the save dialogs.
inline const QString ApplicationTitle = QStringLiteral("Zel Compatibility");

enum class MessageIcon { Error, Information, Question, Warning };

struct ShownMessage {
    QString text;
    MessageIcon icon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Every message of the program goes through here: a modal box with the given icon and
// buttons, titled ApplicationTitle, its text selectable with the mouse (a file name or a web
// address can be copied from it). Enter presses defaultButton, or Qt's choice when it is
// NoButton. Returns the button the user pressed.
QMessageBox::StandardButton ShowMessage(const QString& text, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Refuses an entry: shows the message (OK button) and puts the focus on the field the
// user has to mend. Returns false, so a validation can end with `return RefuseEntry(...)`.
bool RefuseEntry(QWidget* field, const QString& message, MessageIcon icon);

// Test seam: while a recorder is installed, messages go to it instead of the screen and
// its return value stands for the user's answer. Pass an empty function to remove it.
using MessageRecorder = std::function<QMessageBox::StandardButton(const ShownMessage&)>;
void SetMessageRecorder(MessageRecorder recorder);
