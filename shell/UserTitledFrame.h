#pragma once

#include <QGroupBox>

// A group box whose title is text the user typed, such as a name: it shows "&" as typed,
// and a title longer than the frame ends in "…" with the whole text as the tooltip. The
// title never widens the frame.
class UserTitledFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit UserTitledFrame(QWidget* parent = nullptr) : QGroupBox(parent) {}

    void setUserTitle(const QString& text);
    QString userTitle() const { return m_userTitle; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showTitle();

    QString m_userTitle;
};
