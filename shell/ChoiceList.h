#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QStringList>

// A drop-down list of fixed choices (a day, a month, a year, an hour ...) that works as
// well from the keyboard and with a screen reader as with the mouse:
// - typing selects what was typed (see TypedChoice);
// - an Alt+letter that no control claims selects nothing;
// - a screen reader hears the list by its own name ("Your birth day") with its current
//   item, and hears every new item as the selection changes.
class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

    // The item that typing selects, or -1 for none. typed is everything typed in one go;
    // the whole of it is looked for as the start of an item, from the top of the list, so
    // "1" gives 1, "12" gives 12 and "1970" gives 1970. A character typed again and again
    // ("jj", "jjj") steps on from current through the items that start with it, so "j"
    // gives January, then June, then July.
    static int TypedChoice(const QStringList& items, int current, const QString& typed);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectTyped(QChar typed);
    void announceCurrentItem();

    QString m_typed;
    QElapsedTimer m_sinceTyped;
};
