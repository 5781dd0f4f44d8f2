#include "shell/browser/frmBrowser.h"

#include "shell/Keys.h"
#include "shell/Twips.h"
#include "shell/browser/BrowserIcons.h"
#include "shell/browser/BrowserPage.h"
#include "shell/browser/SearchForm.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineView>

namespace {

const QString kDesignCaption = QStringLiteral("Zel Moon Sign Compatibility");
const QString kWorkingCaption = QStringLiteral("Working...");
const QString kBlankPage = QStringLiteral("about:blank");

constexpr int kWindowWidthTwips = 12000;
constexpr int kWindowHeightTwips = 9000;

bool isBlankPage(const QUrl& url)
{
    return url.toString().compare(kBlankPage, Qt::CaseInsensitive) == 0;
}

} // namespace

frmBrowser::frmBrowser(const QUrl& searchAddress, const PlaceSearchHost& host)
    : m_searchAddress(searchAddress), m_homePage(host.homePage),
      m_searchFormPage(SearchForm::PageHtml(searchAddress))
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(kDesignCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own beside the main window, which still ends the program when closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    buildToolBar();

    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    lblAddress = new QLabel(QStringLiteral("&Address:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setDuplicatesEnabled(false);
    lblAddress->setBuddy(cboAddress);
    // Enter is handled here rather than by the box, which would otherwise also report it
    // as choosing a list entry when the text matches one.
    // Keys reach the combo box, which keeps the focus, not its inner line edit.
    cboAddress->installEventFilter(this);
    connect(cboAddress, &QComboBox::activated, this, [this](int) { navigateToAddressBox(); });
    // Ctrl+L, as in other browsers, and Alt+A, the caption's key, select the whole address,
    // so a typed address replaces it.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &frmBrowser::selectAddress);
    // Escape stops a page that is loading and otherwise closes the window, like Ctrl+W.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &frmBrowser::stopOrClose);
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);

    brwWebBrowser = new QWebEngineView(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setPage(new BrowserPage(brwWebBrowser));
    connect(brwWebBrowser, &QWebEngineView::loadStarted, this, [this] {
        m_busy = true;
        timTimer->start();
    });
    connect(brwWebBrowser, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_busy = false;
        if (ok)
            navigationComplete(brwWebBrowser->url());
        // The load has ended either way (finished, failed or stopped).
        setWindowTitle(pageTitle());
    });

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(5);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timerTick);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Label1 = new QLabel(QStringLiteral("Zel Free Astro Compatibility Test Software"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    if (host.makeForumLabel)
        Label61 = host.makeForumLabel(Picture1);

    const QSize size(Twips(kWindowWidthTwips), Twips(kWindowHeightTwips));
    QRect area = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                  : QRect(QPoint(0, 0), size);
    resize(size.boundedTo(area.size()));
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    setMinimumSize(Twips(6000), Twips(4500));
}

void frmBrowser::buildToolBar()
{
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbToolBar->setIconSize(QSize(24, 24));
    // Each command has the key other browsers give it (Escape stops: see stopOrClose), and
    // its button takes the focus, so Tab reaches it too.
    const std::pair<const char*, QKeySequence> commands[] = {
        {"Back", QKeySequence::Back},
        {"Forward", QKeySequence::Forward},
        {"Stop", QKeySequence(Qt::Key_Escape)},
        {"Refresh", QKeySequence::Refresh},
        {"Home", QKeySequence(Qt::ALT | Qt::Key_Home)},
        {"Search", QKeySequence()},
    };
    for (const auto& [name, keys] : commands) {
        const QString key = QString::fromLatin1(name);
        QAction* button = tbToolBar->addAction(BrowserIcon(key), key);
        button->setObjectName(key);
        button->setData(key);
        if (key != QLatin1String("Stop"))
            button->setShortcut(keys);
        button->setToolTip(key);
        tbToolBar->widgetForAction(button)->setFocusPolicy(Qt::TabFocus);
        connect(button, &QAction::triggered, this, [this, key] { toolBarButtonClicked(key); });
    }
}

void frmBrowser::open(const QString& searchText)
{
    show();
    tbToolBar->update();
    layOutControls();
    m_searchDone = false;
    m_searchText = searchText;
    brwWebBrowser->setUrl(QUrl(kBlankPage));
}

void frmBrowser::layOutControls()
{
    const int innerWidth = width();
    const int innerHeight = height();

    tbToolBar->setGeometry(0, 0, innerWidth, tbToolBar->sizeHint().height());

    const int boxHeight = cboAddress->sizeHint().height();
    picAddress->setGeometry(0, tbToolBar->geometry().bottom() + 1, innerWidth, boxHeight + Twips(120));
    const QSize labelSize = lblAddress->sizeHint();
    lblAddress->setGeometry(Twips(90), (picAddress->height() - labelSize.height()) / 2, labelSize.width(),
                            labelSize.height());
    const int boxLeft = lblAddress->geometry().right() + 1 + Twips(90);
    cboAddress->setGeometry(boxLeft, (picAddress->height() - boxHeight) / 2,
                            std::max(0, picAddress->width() - boxLeft), boxHeight);

    // The bottom strip: the program's name, then the forum line, which wraps when the
    // window is narrow; the strip grows to hold it.
    const QSize captionSize = Label1->sizeHint();
    const int forumLeft = Twips(90) + captionSize.width() + Twips(300);
    const int forumWidth = std::max(Twips(1500), innerWidth - forumLeft - Twips(90));
    int forumHeight = 0;
    if (Label61)
        forumHeight = Label61->hasHeightForWidth() ? Label61->heightForWidth(forumWidth) : Label61->sizeHint().height();
    const int bottomHeight = std::max(captionSize.height(), forumHeight) + Twips(120);
    Picture1->setGeometry(0, innerHeight - bottomHeight, innerWidth, bottomHeight);
    Label1->setGeometry(Twips(90), (bottomHeight - captionSize.height()) / 2, captionSize.width(),
                        captionSize.height());
    if (Label61)
        Label61->setGeometry(forumLeft, (bottomHeight - forumHeight) / 2, forumWidth, forumHeight);

    // The page fills the rest, with a small margin all round; the bottom strip stays clear.
    const int addressBottom = picAddress->y() + picAddress->height();
    brwWebBrowser->setGeometry(Twips(50), addressBottom + Twips(50), std::max(0, innerWidth - Twips(100)),
                               std::max(0, innerHeight - addressBottom - Twips(100) - bottomHeight));
}

void frmBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutControls();
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cboAddress && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            navigateToAddressBox();
            return true;
        }
        // An access key that nothing claims types nothing into the address.
        if (IsAccessKeyPress(keyEvent))
            return true;
    }
    if (watched == cboAddress && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ShortcutFocusReason) {
        // Alt+A, the caption's access key: select after the box has placed its caret.
        QMetaObject::invokeMethod(this, &frmBrowser::selectAddress, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::keyPressEvent(QKeyEvent* event)
{
    if (!PressFocusedButton(event))
        QWidget::keyPressEvent(event);
}

void frmBrowser::selectAddress()
{
    cboAddress->setFocus(Qt::OtherFocusReason);
    cboAddress->lineEdit()->selectAll();
}

void frmBrowser::stopOrClose()
{
    if (m_busy)
        toolBarButtonClicked(QStringLiteral("Stop"));
    else
        close();
}

void frmBrowser::navigateToAddressBox()
{
    if (m_listUpdating)
        return;
    const QString text = cboAddress->currentText().trimmed();
    if (text.isEmpty())
        return;
    timTimer->start();
    brwWebBrowser->setUrl(QUrl::fromUserInput(text));
}

void frmBrowser::toolBarButtonClicked(const QString& key)
{
    timTimer->start();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->back();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->forward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->reload();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser->setUrl(m_homePage);
    } else if (key == QLatin1String("Search")) {
        // The search service's own start page.
        brwWebBrowser->setUrl(m_searchAddress.resolved(QUrl(QStringLiteral("/"))));
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        brwWebBrowser->stop();
        setWindowTitle(pageTitle());
    }
}

void frmBrowser::navigationComplete(const QUrl& url)
{
    if (!m_searchDone) {
        m_searchDone = true;
        if (isBlankPage(url))
            brwWebBrowser->page()->runJavaScript(SearchForm::SubmitScript(m_searchFormPage, m_searchText));
    }
    if (!isBlankPage(url)) {
        setWindowTitle(pageTitle());
        rememberAddress(url.toString());
    }
}

void frmBrowser::rememberAddress(const QString& address)
{
    m_listUpdating = true;
    const int existing = cboAddress->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (existing >= 0)
        cboAddress->removeItem(existing);
    cboAddress->insertItem(0, address);
    cboAddress->setCurrentIndex(0);
    // Show the start of a long address, as browsers do.
    cboAddress->lineEdit()->setCursorPosition(0);
    m_listUpdating = false;
}

void frmBrowser::timerTick()
{
    if (m_busy) {
        setWindowTitle(kWorkingCaption);
        return;
    }
    timTimer->stop();
    setWindowTitle(pageTitle());
}

QString frmBrowser::pageTitle() const
{
    // The empty page has no title of its own; the window keeps its name there.
    if (isBlankPage(brwWebBrowser->url()))
        return kDesignCaption;
    const QString title = brwWebBrowser->title();
    return title.isEmpty() ? brwWebBrowser->url().toString() : title;
}
