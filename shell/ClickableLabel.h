#pragma once

#include <QHash>
#include <QLabel>

// A label that acts like a link: a hand cursor and a clicked() signal on a left click.
// A label marked as a link also works from the keyboard: it takes the focus after its
// window's own controls, shows a focus frame, opens on Enter or Space, and presents itself
// to assistive technology as a link with a press action.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Set before the label is shown; a clickable surface that is not a link stays out of
    // the keyboard's way.
    void setLink(bool link);
    bool isLink() const { return m_link; }

    // Does what a click does.
    void activate() { emit clicked(); }

    // Wrapped text is sized as QLabel sizes it, but each width is measured once: QLabel
    // lays the text out anew for every hint, which made the main window's few wrapped
    // lines a large share of the program's start-up.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_link = false;
    // The size of the wrapped text in the given width, remembered for the text and font
    // it was measured with.
    QSize measure(int width) const;
    mutable QString m_measuredFor;
    mutable QHash<int, QSize> m_sizes;
};

// A link label named objectName that opens the given page of the maker's site, shown in
// the palette's link colour.
ClickableLabel* MakePageLabel(const QString& objectName, const QString& text, const QString& pageKey,
                              QWidget* parent = nullptr);

// Underlines the label's text, the way a link on a page looks.
void ShowUnderlined(QLabel* label);

// The window whose tab chain a widget belongs to: the top-level window, or the program
// window (a document-area child window) that holds it, since Tab stays inside those.
QWidget* TabChainWindow(QWidget* widget);

// Moves the links of a window to the end of its tab chain, right after the last of its own
// controls: the controls keep their order, and so do the links among themselves. Every
// link does this for its window when it is shown.
void AppendLinksToTabChain(QWidget* window);
