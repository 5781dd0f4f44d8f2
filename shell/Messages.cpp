#include "shell/Messages.h"

#include <QApplication>

namespace {

MessageRecorder& recorder()
{
    static MessageRecorder instance;
    return instance;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void SetMessageRecorder(MessageRecorder recorder_)
{
    recorder() = std::move(recorder_);
}

QMessageBox::StandardButton ShowMessage(const QString& text, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (recorder())
        return recorder()(ShownMessage{text, icon, buttons, ApplicationTitle, defaultButton});

    QMessageBox box(toQtIcon(icon), ApplicationTitle, text, buttons, QApplication::activeWindow());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool RefuseEntry(QWidget* field, const QString& message, MessageIcon icon)
{
    ShowMessage(message, icon);
    if (field)
        field->setFocus();
    return false;
}
