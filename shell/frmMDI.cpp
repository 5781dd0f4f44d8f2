#include "shell/frmMDI.h"

#include "shell/AccessKeys.h"
#include "shell/ClickableLabel.h"
#include "shell/Emblem.h"
#include "shell/GradientPanel.h"
#include "shell/Keys.h"
#include "shell/ThemeColours.h"
#include "shell/Twips.h"
#include "shell/Version.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

frmMDI* g_instance = nullptr;

// Program button index -> the entry screen it opens.
constexpr std::array kEntryScreens{
    ProgramWindowId::frmmainChineseZodiac,
    ProgramWindowId::frmMainMoonSignCompatibility,
    ProgramWindowId::frmMainMarriageCompatibility,
    ProgramWindowId::frmMainZodiacCompatibility,
};

constexpr int kFirstProgramTitle = 3; // lblCaption 3..6 are the program titles

const char* const kCaptions[7] = {
    "Welcome to Zel Compatibility",
    "Zel Free Compatibility is an advanced yet handy, comprehensive compatibility test tool. It is one "
    "of its kind to be ever launched by an esoteric website before. Zel Free Compatibility is a combined "
    "collection of different compatibility programs based on different branches of astrology.",
    "Zel Compatibility includes the following compatibility programs:",
    "Chinese Compatibility",
    "Moon Sign Compatibility",
    "Numerology Compatibility",
    "Zodiac Compatibility",
};

// The strips at the top and bottom: deep violet, with gold text.
const QColor kStripTop(0x3b, 0x1f, 0x6e);
const QColor kStripBottom(0x1d, 0x0f, 0x3a);
const QColor kStripText(0xf3, 0xd2, 0x7a);

} // namespace

frmMDI::frmMDI() : m_menus(this)
{
    g_instance = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Zel Compatibility v" ZEL_VERSION));
    resize(Twips(11880), Twips(8190));

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildBannerStrip());
    column->addWidget(buildButtonStrip());

    // The welcome panel lies over the document area and fills it while it is visible.
    auto* middle = new QWidget;
    auto* stack = new QGridLayout(middle);
    stack->setContentsMargins(0, 0, 0, 0);
    m_mdiArea = new QMdiArea;
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(0x8a, 0x84, 0xa8));
    // A program window larger than the room left on a small or scaled screen is scrolled
    // into view, so none of its controls is ever out of reach.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    stack->addWidget(m_mdiArea, 0, 0);
    stack->addWidget(buildWelcomePanel(), 0, 0);
    column->addWidget(middle, 1);
    column->addWidget(buildBottomStrip());
    setCentralWidget(central);

    buildMenus();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::showMenusOfActiveWindow);
    // Queued: a window that closes or hides has left the focus nowhere only once it is gone.
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::keepFocusInSight, Qt::QueuedConnection);
    // On a small screen the document area scrolls; the control that takes the focus is
    // brought into view, so the keyboard never works out of sight.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { scrollIntoView(now); });

    m_accessKeys = new YieldingAccessKeys(this, [this]() -> QWidget* {
        QWidget* active = m_mdiArea->activeSubWindow();
        return active && active->isAncestorOf(QApplication::focusWidget()) ? active : nullptr;
    });
    for (QPushButton* button : cmdSelectOption)
        m_accessKeys->bind(button);
    m_accessKeys->bind(cmdMdiExit);
}

frmMDI::~frmMDI()
{
    // The document area outlives this class's part of the object while QWidget tears
    // the children down, and the focus moves as they go; neither may call back into it.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    if (g_instance == this)
        g_instance = nullptr;
}

frmMDI* frmMDI::instance()
{
    return g_instance;
}

QWidget* frmMDI::buildBannerStrip()
{
    auto* banner = new GradientPanel(kStripTop, kStripBottom);
    banner->setObjectName(QStringLiteral("Picture6"));
    banner->setFixedHeight(Twips(560));
    banner->setCursor(Qt::PointingHandCursor);
    connect(banner, &GradientPanel::clicked, this, [] { modHelp::OpenPage(PageKey::HomePage); });
    Picture6 = banner;

    lblQuorvaneBanner = MakePageLabel(
        QStringLiteral("lblQuorvaneBanner"),
        QStringLiteral("Meet fellow stargazers in the Zel astrology forum, and visit www.zel-compatibility.example "
                       "for free readings every day!"),
        PageKey::HomePage);
    lblQuorvaneBanner->setAlignment(Qt::AlignCenter);
    ThemeColours::FixTextColour(lblQuorvaneBanner, kStripText);
    QFont bannerFont = lblQuorvaneBanner->font();
    bannerFont.setBold(true);
    lblQuorvaneBanner->setFont(bannerFont);
    auto* row = new QHBoxLayout(Picture6);
    row->setContentsMargins(12, 0, 12, 0);
    row->addWidget(lblQuorvaneBanner);
    return Picture6;
}

QWidget* frmMDI::buildButtonStrip()
{
    Picture1 = new GradientPanel(QColor(0xe9, 0xe4, 0xf5), QColor(0xc9, 0xc0, 0xe3));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedHeight(Twips(900));

    picButtonContainer = new QWidget;
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    auto* buttons = new QHBoxLayout(picButtonContainer);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(12);
    const char* const captions[4] = {"&Chinese Zodiac", "&Moon Sign", "&Numerology", "&Zodiac"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(captions[i]));
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        button->setMinimumSize(Twips(2100), Twips(495));
        connect(button, &QPushButton::clicked, this, [this, i] { OpenProgram(i); });
        cmdSelectOption[i] = button;
        buttons->addWidget(button);
    }

    // Decorative pictures either side of the buttons: sun, moon, a star and yin-yang.
    const char* const symbols[4] = {"\u2609", "\u263E", "\u2605", "\u262F"};
    const QColor colours[4] = {QColor(0xd9, 0x8c, 0x1f), QColor(0x4a, 0x5d, 0xa8), QColor(0x8e, 0x3b, 0x8f),
                               QColor(0xa8, 0x32, 0x32)};
    std::array<Emblem*, 4> pictures{};
    for (int i = 0; i < 4; ++i) {
        pictures[i] = new Emblem(QString::fromUtf8(symbols[i]), colours[i], Twips(720));
        pictures[i]->setObjectName(QStringLiteral("Picture%1").arg(i + 2));
        // Decoration gives way first when the window is narrow.
        pictures[i]->setMinimumWidth(0);
        pictures[i]->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    }

    auto* row = new QHBoxLayout(Picture1);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(4);
    row->addWidget(pictures[0]);
    row->addWidget(pictures[1]);
    row->addStretch(1);
    row->addWidget(picButtonContainer);
    row->addStretch(1);
    row->addWidget(pictures[2]);
    row->addWidget(pictures[3]);
    return Picture1;
}

QWidget* frmMDI::buildWelcomePanel()
{
    // The panel scrolls when a small or scaled screen leaves it too little room.
    auto* panel = new QScrollArea;
    panel->setObjectName(QStringLiteral("picMain"));
    panel->setFrameShape(QFrame::NoFrame);
    panel->setWidgetResizable(true);
    panel->setAccessibleName(QStringLiteral("Welcome"));
    // The panel's captions are read, not used: no Tab stop without anything to act on.
    panel->setFocusPolicy(Qt::NoFocus);
    picMain = panel;

    m_welcomeContents = new GradientPanel(QColor(0xfb, 0xf8, 0xff), QColor(0xe4, 0xdc, 0xf4));
    m_welcomeContents->setObjectName(QStringLiteral("welcomeContents"));
    for (QWidget* surface : {picMain, m_welcomeContents}) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }

    auto* column = new QVBoxLayout(m_welcomeContents);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(14);
    column->addStretch(1);
    for (int i = 0; i < 7; ++i) {
        auto* label = new ClickableLabel(QString::fromLatin1(kCaptions[i]));
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        QFont font = label->font();
        if (i == 0) {
            font.setPointSizeF(font.pointSizeF() * 2);
            font.setBold(true);
            ThemeColours::FixTextColour(label, QColor(0x3b, 0x1f, 0x6e));
        } else if (i == 1) {
            // The panel's background is fixed, so the text colour is fixed with it.
            ThemeColours::FixTextColour(label, QColor(0x2a, 0x24, 0x40));
            label->setWordWrap(true);
            label->setMaximumWidth(Twips(9000));
            label->setCursor(Qt::ArrowCursor);
        } else if (i == 2) {
            ThemeColours::FixTextColour(label, QColor(0x2a, 0x24, 0x40));
            font.setBold(true);
            label->setCursor(Qt::ArrowCursor);
        } else {
            font.setPointSizeF(font.pointSizeF() * 1.3);
            font.setBold(true);
            ThemeColours::FixTextColour(label, QColor(0x1d, 0x4f, 0x91));
        }
        if (i == 0)
            label->setCursor(Qt::ArrowCursor);
        label->setFont(font);
        connect(label, &ClickableLabel::clicked, this, [this, i] { captionClicked(i); });
        lblCaption[i] = label;
        if (label->wordWrap()) {
            // Centred with room either side, wrapping to whatever width the panel has.
            auto* row = new QHBoxLayout;
            row->addStretch(0);
            row->addWidget(label, 1);
            row->addStretch(0);
            column->addLayout(row);
        } else {
            column->addWidget(label, 0, Qt::AlignHCenter);
        }
        if (i == 2)
            column->addSpacing(6);
    }
    column->addStretch(2);
    // Sized when the panel is first laid out, not here: QScrollArea would otherwise lay out
    // all the welcome text once now and once more when the window shows.
    m_welcomeContents->resize(0, 0);
    panel->setWidget(m_welcomeContents);
    return picMain;
}

QWidget* frmMDI::buildBottomStrip()
{
    PicCoBrand = new GradientPanel(kStripTop, kStripBottom);
    PicCoBrand->setObjectName(QStringLiteral("PicCoBrand"));
    PicCoBrand->setFixedHeight(Twips(735));

    Label7 = MakePageLabel(QStringLiteral("Label7"),
                           QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                          "money online. Get this software fully branded for your website. Click "
                                          "here for more details."),
                           PageKey::FullyBranded);
    ThemeColours::FixTextColour(Label7, kStripText);

    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"));
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit->setMinimumWidth(Twips(1215));
    connect(cmdMdiExit, &QPushButton::clicked, this, &QWidget::close);

    auto* row = new QHBoxLayout(PicCoBrand);
    row->setContentsMargins(12, 0, Twips(120), 0);
    row->addWidget(Label7, 1);
    row->addWidget(cmdMdiExit);
    return PicCoBrand;
}

void frmMDI::buildMenus()
{
    QMenu* file = m_menus.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered, this,
            &QWidget::close);
    modHelp::AddSharedMenus(m_menus, objectName());
    showMenusOfActiveWindow();
}

void frmMDI::showMenusOfActiveWindow()
{
    // A program window without menus of its own leaves the main window's menus in place.
    const MenuBarModel* model = &m_menus;
    if (auto* active = qobject_cast<ProgramWindow*>(m_mdiArea->activeSubWindow());
        active && active->isVisible() && !active->isClosed() && !active->menuBarModel().actions().isEmpty())
        model = &active->menuBarModel();
    menuBar()->clear();
    menuBar()->addActions(model->actions());
}

void frmMDI::setWindowFactory(ProgramWindowId id, WindowFactory factory)
{
    m_factories[static_cast<int>(id)] = std::move(factory);
}

ProgramWindow* frmMDI::programWindow(ProgramWindowId id) const
{
    ProgramWindow* window = m_windows[static_cast<int>(id)];
    return window && !window->isClosed() ? window : nullptr;
}

ProgramWindow* frmMDI::openProgramWindow(ProgramWindowId id, const std::function<void(ProgramWindow&)>& prepare)
{
    const int slot = static_cast<int>(id);
    ProgramWindow* window = programWindow(id);
    const bool created = !window;
    if (created) {
        if (!m_factories[slot])
            return nullptr;
        window = m_factories[slot]();
        m_windows[slot] = window;
        m_mdiArea->addSubWindow(window);
    }
    // The window takes what it is to show before it is sized, so its size fits its content.
    if (prepare)
        prepare(*window);
    if (created) {
        window->place();
        connect(window, &QObject::destroyed, this, &frmMDI::showMenusOfActiveWindow, Qt::QueuedConnection);
        connect(window, &QObject::destroyed, this, &frmMDI::keepFocusInSight, Qt::QueuedConnection);
        connect(window, &ProgramWindow::programExitRequested, this, &QWidget::close);
    }
    window->show();
    m_mdiArea->setActiveSubWindow(window);
    showMenusOfActiveWindow();
    return window;
}

void frmMDI::CloseProgramWindows()
{
    for (int slot = 0; slot < ProgramWindowCount; ++slot) {
        if (ProgramWindow* window = programWindow(static_cast<ProgramWindowId>(slot)))
            window->close();
    }
    showMenusOfActiveWindow();
}

void frmMDI::OpenProgram(int index)
{
    if (index < 0 || index >= int(kEntryScreens.size()))
        return;
    CloseProgramWindows();
    setWelcomePanelVisible(false);
    m_lastProgram = index;
    openProgramWindow(kEntryScreens[index]);
}

void frmMDI::captionClicked(int index)
{
    if (index >= kFirstProgramTitle)
        OpenProgram(index - kFirstProgramTitle);
    else
        CloseProgramWindows();
}

void frmMDI::setWelcomePanelVisible(bool visible)
{
    picMain->setVisible(visible);
}

bool frmMDI::isWelcomePanelVisible() const
{
    return !picMain->isHidden();
}

void frmMDI::keepFocusInSight()
{
    // After a window closes or hides, the focus goes to the window now in front: the
    // active program window, or, with none left, the button of the program just used.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && focus->window() == this)
        return;
    if (!isActiveWindow() && QApplication::activeWindow())
        return; // the user works in another window (a dialog, the browser)
    if (QMdiSubWindow* active = m_mdiArea->activeSubWindow(); active && active->isVisible()) {
        for (QWidget* next = active->nextInFocusChain(); next && next != active; next = next->nextInFocusChain()) {
            if (active->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisible() &&
                next->isEnabled()) {
                next->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        return;
    }
    if (isWelcomePanelVisible())
        cmdSelectOption[std::size_t(m_lastProgram)]->setFocus(Qt::OtherFocusReason);
}

void frmMDI::scrollIntoView(QWidget* control)
{
    QWidget* viewport = m_mdiArea->viewport();
    if (!control || !viewport->isAncestorOf(control))
        return;
    const QRect place(control->mapTo(viewport, QPoint(0, 0)), control->size());
    const QRect visible = viewport->rect().marginsRemoved(QMargins(4, 4, 4, 4));
    const auto scroll = [](QScrollBar* bar, int start, int end, int first, int last) {
        if (end > last)
            bar->setValue(bar->value() + qMin(end - last, start - first));
        else if (start < first)
            bar->setValue(bar->value() - (first - start));
    };
    scroll(m_mdiArea->verticalScrollBar(), place.top(), place.bottom(), visible.top(), visible.bottom());
    scroll(m_mdiArea->horizontalScrollBar(), place.left(), place.right(), visible.left(), visible.right());
}

bool frmMDI::event(QEvent* event)
{
    // Qt offers every key to the focused control and then up to this window just before it
    // looks for a shortcut: the moment to decide which window an access key belongs to.
    if (event->type() == QEvent::ShortcutOverride && m_accessKeys)
        m_accessKeys->prepareFor(static_cast<QKeyEvent*>(event));
    // Accent colours follow the palette, here and in the program windows inside.
    ThemeColours::FollowTheme(this, event);
    return QMainWindow::event(event);
}

void frmMDI::keyPressEvent(QKeyEvent* event)
{
    if (!PressFocusedButton(event))
        QMainWindow::keyPressEvent(event);
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program: its own windows and any separate window
    // (the place-search browser) go with it.
    CloseProgramWindows();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    QMainWindow::closeEvent(event);
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        // Program titles underline under the mouse; the bare panel clears every underline.
        const auto underline = [](QLabel* label, bool on) {
            QFont font = label->font();
            if (font.underline() != on) {
                font.setUnderline(on);
                label->setFont(font);
            }
        };
        if (watched == picMain || watched == m_welcomeContents) {
            for (ClickableLabel* label : lblCaption)
                underline(label, false);
        } else {
            for (int i = 0; i < int(lblCaption.size()); ++i) {
                if (watched != lblCaption[i])
                    continue;
                if (i >= kFirstProgramTitle)
                    underline(lblCaption[i], true);
                // Handled: it must not reach the panel behind, which clears underlines.
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace ProgramWindows {

ProgramWindow* Open(ProgramWindowId id)
{
    frmMDI* main = frmMDI::instance();
    return main ? main->openProgramWindow(id) : nullptr;
}

ProgramWindow* Open(ProgramWindowId id, const std::function<void(ProgramWindow&)>& prepare)
{
    frmMDI* main = frmMDI::instance();
    return main ? main->openProgramWindow(id, prepare) : nullptr;
}

ProgramWindow* Find(ProgramWindowId id)
{
    frmMDI* main = frmMDI::instance();
    return main ? main->programWindow(id) : nullptr;
}

void ShowAgain(ProgramWindowId id)
{
    if (Find(id))
        Open(id);
}

void SetWelcomePanelVisible(bool visible)
{
    if (frmMDI* main = frmMDI::instance())
        main->setWelcomePanelVisible(visible);
}

} // namespace ProgramWindows
