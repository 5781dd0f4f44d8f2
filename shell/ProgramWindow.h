#pragma once

#include "shell/MenuBarModel.h"

#include <QMdiSubWindow>
#include <QSize>

#include <functional>
#include <iterator>

// The twelve program windows, in the order in which the main window closes them: every
// window that shows another one again when it closes comes before the window it shows.
// One table gives both the ids and the windows' names (each window's class and object name),
// so the two cannot fall out of step.
#define ZEL_PROGRAM_WINDOWS(WINDOW)                                                            \
    WINDOW(frmSaveChineseZodiac)                                                               \
    WINDOW(frmSaveDocumentMarriageCompatibility)                                               \
    WINDOW(frmSaveMoonSign)                                                                    \
    WINDOW(frmSaveZodiacCompatibility)                                                         \
    WINDOW(frmSunSignZodiacCompatibility)                                                      \
    WINDOW(frmDispMarriageCompatibility)                                                       \
    WINDOW(frmchiness)                                                                         \
    WINDOW(frmmainChineseZodiac)                                                               \
    WINDOW(frmMainMarriageCompatibility)                                                       \
    WINDOW(frmMainMoonSignCompatibility)                                                       \
    WINDOW(frmMainZodiacCompatibility)                                                         \
    WINDOW(frmMoonSign)

enum class ProgramWindowId {
#define ZEL_PROGRAM_WINDOW_ID(name) name,
    ZEL_PROGRAM_WINDOWS(ZEL_PROGRAM_WINDOW_ID)
#undef ZEL_PROGRAM_WINDOW_ID
};
// Each window's name, by id.
inline constexpr const char* ProgramWindowNames[] = {
#define ZEL_PROGRAM_WINDOW_NAME(name) #name,
    ZEL_PROGRAM_WINDOWS(ZEL_PROGRAM_WINDOW_NAME)
#undef ZEL_PROGRAM_WINDOW_NAME
};
inline constexpr int ProgramWindowCount = int(std::size(ProgramWindowNames));

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
    // The user asked from this window to end the whole program; the main window closes.
    void programExitRequested();

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
// Opens the window as Open does, handing it first what it is to show: prepare runs before
// a new window is sized and placed and before the window is shown, so it appears with
// its content (a result from its couple, a report from its result).
ProgramWindow* Open(ProgramWindowId id, const std::function<void(ProgramWindow&)>& prepare);
// The open window of that kind, or nullptr.
ProgramWindow* Find(ProgramWindowId id);

template <class Window>
Window* Open(ProgramWindowId id) { return qobject_cast<Window*>(Open(id)); }
template <class Window>
Window* Open(ProgramWindowId id, const std::function<void(Window&)>& prepare)
{
    return qobject_cast<Window*>(Open(id, [&prepare](ProgramWindow& window) {
        if (auto* opened = qobject_cast<Window*>(&window))
            prepare(*opened);
    }));
}
template <class Window>
Window* Find(ProgramWindowId id) { return qobject_cast<Window*>(Find(id)); }

// Shows an open window again (after it was hidden) and activates it.
void ShowAgain(ProgramWindowId id);

void SetWelcomePanelVisible(bool visible);

} // namespace ProgramWindows
