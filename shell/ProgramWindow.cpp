#include "shell/ProgramWindow.h"

#include "shell/Keys.h"
#include "shell/ThemeColours.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>

QString ProgramWindowName(ProgramWindowId id)
{
    return QString::fromLatin1(ProgramWindowNames[static_cast<int>(id)]);
}

ProgramWindow::ProgramWindow(ProgramWindowId id, const QString& caption, QSize clientTwips)
    : m_id(id),
      m_clientSize(Twips(clientTwips.width()), Twips(clientTwips.height())),
      m_body(new QWidget),
      m_menuBar(this)
{
    setObjectName(ProgramWindowName(id));
    setAttribute(Qt::WA_DeleteOnClose);
    // Program windows have a close box but no minimise or maximise buttons.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    setWidget(m_body);
    // The window itself is no stop of its Tab round: Qt would give it the focus after the
    // last control, and a screen reader would announce the window there while the focus
    // goes on to the first control.
    setFocusPolicy(Qt::ClickFocus);
}

void ProgramWindow::place()
{
    // The frame (title bar and borders) around the client area.
    const QSize frame = QMdiSubWindow::sizeHint() - m_body->sizeHint();
    QSize size = m_body->sizeHint().expandedTo(m_clientSize) + frame;
    QMdiArea* area = mdiArea();
    if (area && area->isVisible())
        size = size.boundedTo(area->viewport()->size());
    resize(size.expandedTo(minimumSizeHint()));
    if (area) {
        const int left = (area->viewport()->width() - width()) / 2;
        move(qMax(0, left), 0);
    }
}

void ProgramWindow::keyPressEvent(QKeyEvent* event)
{
    if (!PressFocusedButton(event))
        QMdiSubWindow::keyPressEvent(event);
}

void ProgramWindow::showEvent(QShowEvent* event)
{
    ThemeColours::ApplyAccents(this);
    QMdiSubWindow::showEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    // Counts as closed from here on, so that whatever runs while it closes (showing another
    // screen, opening a fresh one) never finds it.
    m_closed = true;
    emit aboutToClose();
    closing();
    if (m_showsWelcomePanelOnClose)
        ProgramWindows::SetWelcomePanelVisible(true);
    QMdiSubWindow::closeEvent(event);
}
