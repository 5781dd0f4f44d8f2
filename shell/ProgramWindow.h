#pragma once

#include "shell/MenuBarModel.h"

#include <QMdiSubWindow>
#include <QSize>

// The twelve program windows, in the order in which the main window closes them: every
// window that shows another one again when it closes comes before the window it shows.
enum class ProgramWindowId {
    frmSaveChineseZodiac,
    frmSaveDocumentMarriageCompatibility,
    frmSaveMoonSign,
    frmSaveZodiacCompatibility,
    frmSunSignZodiacCompatibility,
    frmDispMarriageCompatibility,
    frmchiness,
    frmmainChineseZodiac,
    frmMainMarriageCompatibility,
    frmMainMoonSignCompatibility,
    frmMainZodiacCompatibility,
    frmMoonSign,
};
inline constexpr int ProgramWindowCount = 12;

QString ProgramWindowName(ProgramWindowId id);

// A window of one of the four programs: a child window of the main window's document
// area, with its own menu bar items, deleted when the user leaves it.
class ProgramWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // clientTwips is the designed size of the client area: the window takes it where the
    // document area has room, and never less than what its layout needs.
    ProgramWindow(ProgramWindowId id, const QString& caption, QSize clientTwips);

    ProgramWindowId id() const { return m_id; }
    MenuBarModel& menuBarModel() { return m_menuBar; }

    // Sizes the window and places it: centred horizontally in the document area, at the top.
    // A window that the area cannot hold keeps what its layout needs; the area scrolls.
    void place();

    // Whether the window has been closed (it is deleted a moment later).
    bool isClosed() const { return m_closed; }

signals:
    // The window is closing: windows that only make sense beside it close too.
    void aboutToClose();

protected:
    // The widget that holds the window's controls.
    QWidget* body() const { return m_body; }

    // Whether closing shows the main window's welcome panel again. Report windows show the
    // screen they came from instead.
    void setShowsWelcomePanelOnClose(bool shows) { m_showsWelcomePanelOnClose = shows; }

    // Runs when the window is about to close, before the welcome panel is shown.
    virtual void closing() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Accent colours are worked out for the palette when the window shows; the main
    // window works them out again when its palette or style changes.
    void showEvent(QShowEvent* event) override;

private:
    ProgramWindowId m_id;
    QSize m_clientSize;
    QWidget* m_body;
    MenuBarModel m_menuBar;
    bool m_showsWelcomePanelOnClose = true;
    bool m_closed = false;
};

// Access to the program windows that the main window holds.
namespace ProgramWindows {

// Opens the window (creating it on first use), shows and activates it.
ProgramWindow* Open(ProgramWindowId id);
// The open window of that kind, or nullptr.
ProgramWindow* Find(ProgramWindowId id);

template <class Window>
Window* Open(ProgramWindowId id) { return qobject_cast<Window*>(Open(id)); }
template <class Window>
Window* Find(ProgramWindowId id) { return qobject_cast<Window*>(Find(id)); }

// Shows an open window again (after it was hidden) and activates it.
void ShowAgain(ProgramWindowId id);

void SetWelcomePanelVisible(bool visible);

} // namespace ProgramWindows
