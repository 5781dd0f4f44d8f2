#pragma once

#include <QObject>
#include <QValidator>

class QLineEdit;

// The character rules of the moon entry screen's text boxes.
enum class EntryFilter {
    Letter, // letters and blanks; letters are entered as capitals
    Place,  // letters, blanks and "."; letters are entered as capitals
    Digit,  // digits only
};

// Watches the keys typed into a text box: an accepted lower-case letter is entered as its
// capital, a refused character is dropped after a message. Enter, Backspace and Delete
// count as typed characters; Tab, arrows and shortcuts (Ctrl+...) are left to the box.
// Text that arrives another way (pasted or dropped) meets the same rules through a
// validator, silently: letters become capitals and anything refused is not inserted.
class EntryKeyFilter : public QObject {
    Q_OBJECT
public:
    // Installs the filter and its validator on field; the filter is owned by the field.
    static void Install(QLineEdit* field, EntryFilter kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntryKeyFilter(QLineEdit* field, EntryFilter kind);

    QLineEdit* m_field;
    EntryFilter m_kind;
};

// The validator behind the filter, for text that is not typed.
class EntryValidator : public QValidator {
    Q_OBJECT
public:
    EntryValidator(EntryFilter kind, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    EntryFilter m_kind;
};
