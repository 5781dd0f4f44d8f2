#pragma once

#include <QLabel>

// A one-line label for text the user typed, such as a name: text too long for the label
// ends in "…" and the whole text shows as the tooltip. However long the text, the label
// asks for no more room than a short one, so it never stretches its window.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    // The text as it is drawn in the label's current width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();
};
