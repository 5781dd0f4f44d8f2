#pragma once

#include <QTextEdit>
#include <QUrl>

// The view of a report: rich text that can be read, scrolled and selected with the mouse
// and the keyboard but not changed, with web links that open on a left click or on Enter
// with the caret in them. Screen readers read it as a document: the line at the caret
// when it takes the focus, and line by line as the arrow keys move. (Qt presents a
// QTextBrowser as a label, which screen readers do not read that way.)
class ReportView : public QTextEdit {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent = nullptr);

signals:
    // A link was opened with the mouse or the keyboard; nothing more happens by itself.
    void anchorClicked(const QUrl& link);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_pressedAnchor;
};
