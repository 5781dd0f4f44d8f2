#pragma once

#include <QLabel>

// A label that acts like a link: a hand cursor and a clicked() signal on a left click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A clickable label named objectName that opens the given page of the maker's site.
ClickableLabel* MakePageLabel(const QString& objectName, const QString& text, const QString& pageKey,
                              QWidget* parent = nullptr);
