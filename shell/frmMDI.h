#pragma once

#include "shell/MenuBarModel.h"
#include "shell/ProgramWindow.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class ClickableLabel;
class YieldingAccessKeys;
class QMdiArea;
class QPushButton;

// The main window: the frame of every program window, with the program buttons and the
// welcome panel. Holds the registry of the twelve program windows.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    using WindowFactory = std::function<ProgramWindow*()>;

    frmMDI();
    ~frmMDI() override;

    // The one main window, while it exists: the registry that ProgramWindows (ProgramWindow.h)
    // opens and finds program windows in. Program windows use those functions, not this.
    static frmMDI* instance();

    // Teaches the registry how to create a program window. A program whose windows are
    // not registered opens nothing.
    void setWindowFactory(ProgramWindowId id, WindowFactory factory);

    // Opens the window (created on first use by its factory), shows and activates it.
    // prepare, when given, runs before a new window is placed and before it is shown.
    ProgramWindow* openProgramWindow(ProgramWindowId id,
                                     const std::function<void(ProgramWindow&)>& prepare = {});
    ProgramWindow* programWindow(ProgramWindowId id) const;

    // Closes every open program window, in the order of ProgramWindowId (report windows
    // first, so each shows its screen again before that screen closes in turn).
    void CloseProgramWindows();
    // Opens the program of button index 0..3 (Chinese, moon sign, numerology, zodiac).
    void OpenProgram(int index);

    void setWelcomePanelVisible(bool visible);
    bool isWelcomePanelVisible() const;

    QMdiArea* mdiArea() const { return m_mdiArea; }

    // Controls, named as the screen describes them.
    QWidget* Picture6 = nullptr;
    ClickableLabel* lblQuorvaneBanner = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* picButtonContainer = nullptr;
    std::array<QPushButton*, 4> cmdSelectOption{};
    QWidget* picMain = nullptr;
    std::array<ClickableLabel*, 7> lblCaption{};
    QWidget* PicCoBrand = nullptr;
    QPushButton* cmdMdiExit = nullptr;
    ClickableLabel* Label7 = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBannerStrip();
    QWidget* buildButtonStrip();
    QWidget* buildWelcomePanel();
    QWidget* buildBottomStrip();
    void captionClicked(int index);
    void showMenusOfActiveWindow();
    void keepFocusInSight();
    void scrollIntoView(QWidget* control);

    QMdiArea* m_mdiArea = nullptr;
    QWidget* m_welcomeContents = nullptr;
    YieldingAccessKeys* m_accessKeys = nullptr;
    MenuBarModel m_menus;
    int m_lastProgram = 0;
    std::array<WindowFactory, ProgramWindowCount> m_factories;
    std::array<QPointer<ProgramWindow>, ProgramWindowCount> m_windows;
};
