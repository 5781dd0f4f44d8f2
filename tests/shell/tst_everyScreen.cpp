// What holds on every screen of every program: keys act where the user works, no window
// is left open out of sight, every button can be reached on a small or scaled screen,
// names of any length or with "&" keep their place, every control tells a screen reader
// what it is, links work from the keyboard, and every text reads well in a light and a
// dark theme; lists, fields, buttons, results and reports work for a keyboard and a
// screen reader.
#include "app/ProgramCatalog.h"
#include "report/ReportWindow.h"
#include "shell/AccessKeys.h"
#include "shell/ClickableLabel.h"
#include "shell/ElidedLabel.h"
#include "shell/UserTitledFrame.h"
#include "tests/support/ProgramDriver.h"
#include "tests/support/ScreenTest.h"
#include "chinese/frmchiness.h"
#include "moon/frmMoonSign.h"
#include "numerology/frmDispMarriageCompatibility.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include "report/ReportView.h"

#include <cmath>

namespace {

using Id = ProgramWindowId;

// A key presses its button the way a click looks, down for a tenth of a second. Checks wait
// a little longer than that and no more, so a failing run ends quickly instead of waiting
// out Qt's five seconds at every check.
constexpr int kSettleMs = 600;

QList<ProgramWindow*> openWindows()
{
    QList<ProgramWindow*> windows;
    for (int slot = 0; slot < ProgramWindowCount; ++slot) {
        if (ProgramWindow* window = ProgramWindows::Find(static_cast<Id>(slot)))
            windows.append(window);
    }
    return windows;
}

// Every open program window can be seen, or is hidden behind a visible report that shows
// it again when it closes; the welcome panel covers the document area only when it is empty.
QString windowOutOfSight(const frmMDI& main)
{
    const QList<ProgramWindow*> windows = openWindows();
    if (main.isWelcomePanelVisible() && !windows.isEmpty())
        return windows.first()->objectName() + QStringLiteral(" under the welcome panel");
    if (!main.isWelcomePanelVisible() && windows.isEmpty())
        return QStringLiteral("no window, and no welcome panel either");
    for (ProgramWindow* window : windows) {
        if (window->isVisible())
            continue;
        const bool behindReport = std::any_of(windows.begin(), windows.end(), [window](ProgramWindow* other) {
            auto* report = qobject_cast<ReportWindow*>(other);
            return report && report->isVisible() && report->returnsTo() == window->id();
        });
        if (!behindReport)
            return window->objectName() + QStringLiteral(" hidden with nothing to bring it back");
    }
    return {};
}

// A control the user can bring into view: inside the document area once it is scrolled.
bool reachable(const QWidget* control, const QMdiArea* area)
{
    const QPoint shown = control->mapTo(area->viewport(), QPoint(0, 0));
    const QRect inContent(shown + QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()),
                          control->size());
    const QRect content(0, 0, area->viewport()->width() + area->horizontalScrollBar()->maximum(),
                        area->viewport()->height() + area->verticalScrollBar()->maximum());
    return content.contains(inContent);
}

void sendKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
    SettleWindows();
}

// The rows of the tests that hold on every screen: the main window (program -1) and each
// program's entry, result and report screens.
void addEveryScreen()
{
    QTest::newRow("main window") << -1 << 0;
    for (Program program : AllPrograms) {
        for (Screen screen : AllScreens)
            QTest::addRow("%s %s", qPrintable(ProgramName(program)), qPrintable(ScreenName(screen)))
                << int(program) << int(screen);
    }
}

QWidget* openScreen(frmMDI& main, int program, int screen)
{
    if (program < 0)
        return &main;
    return OpenScreen(main, static_cast<Program>(program), static_cast<Screen>(screen), QStringLiteral("ANN"),
                      QStringLiteral("BOB"));
}

// Whether the widget is part of the screen itself (a program window inside the main
// window is a screen of its own).
bool onScreen(QWidget* widget, QWidget* screen)
{
    return TabChainWindow(widget) == screen;
}

// What a screen reader hears of a widget: its name and its description.
QString spoken(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) + u' ' + iface->text(QAccessible::Description) : QString();
}

QList<ClickableLabel*> linksOf(QWidget* screen)
{
    QList<ClickableLabel*> links;
    for (ClickableLabel* label : screen->findChildren<ClickableLabel*>()) {
        if (label->isLink() && label->isVisible() && onScreen(label, screen))
            links.append(label);
    }
    return links;
}

// Every accessible object below iface that belongs to the screen (a drop-down list's
// popup is a window of its own).
void collectAccessible(QAccessibleInterface* iface, QWidget* screen, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        auto* widget = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
        if (!widget || !onScreen(widget, screen))
            continue;
        found.append(child);
        collectAccessible(child, screen, found);
    }
}

QString withoutAccessKey(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed();
}

// What a screen reader says a control is: its name, or else the labels that name it.
// A frame's title is not counted: it names every control in the frame alike.
QString spokenName(QAccessibleInterface* iface)
{
    const QString name = iface->text(QAccessible::Name).trimmed();
    if (!name.isEmpty())
        return name;
    QStringList labels;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
        if (!qobject_cast<QGroupBox*>(label->object()))
            labels.append(label->text(QAccessible::Name).trimmed());
    }
    return labels.join(u' ').trimmed();
}

QGroupBox* partnerGroup(QWidget* widget, QWidget* screen)
{
    for (QWidget* parent = widget->parentWidget(); parent && parent != screen; parent = parent->parentWidget()) {
        if (auto* group = qobject_cast<QGroupBox*>(parent))
            return group;
    }
    return nullptr;
}

// The contrast ratio of the Web Content Accessibility Guidelines, 1 to 21.
double contrast(const QColor& first, const QColor& second)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](float value) {
            return value <= 0.04045f ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(first.toRgb());
    const double b = luminance(second.toRgb());
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Large text (18 point, or 14 point bold) needs 3:1; body text 4.5:1.
double neededContrast(const QFont& font)
{
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    return points >= 18 || (points >= 14 && font.bold()) ? 3.0 : 4.5;
}

// The screen as it is shown with every label's text left out: what each label is
// painted on.
QImage grabBehindLabels(QWidget* screen, const QList<QLabel*>& labels)
{
    for (QLabel* label : labels) {
        auto* unseen = new QGraphicsOpacityEffect(label);
        unseen->setOpacity(0);
        label->setGraphicsEffect(unseen);
    }
    const QImage shot = screen->grab().toImage();
    for (QLabel* label : labels)
        label->setGraphicsEffect(nullptr);
    return shot;
}

// The colours a box of an image shows most in its top and in its bottom row (the two
// ends of a gradient).
QList<QColor> backgroundColours(const QImage& image, const QRect& box)
{
    const QRect inside = box.intersected(image.rect());
    QList<QColor> colours;
    for (int y : {inside.top(), inside.bottom()}) {
        QHash<QRgb, int> counts;
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
        colours.append(QColor::fromRgb(std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                                        [](const auto& a, const auto& b) { return a.second < b.second; })
                                           ->first));
    }
    return colours;
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x32, 0x32, 0x36);
    const QColor base(0x1f, 0x1f, 0x23);
    const QColor text(0xe8, 0xe8, 0xec);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0xa0));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x42));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, QColor(0x5a, 0x5a, 0x60));
    palette.setColor(QPalette::Midlight, QColor(0x48, 0x48, 0x4e));
    palette.setColor(QPalette::Mid, QColor(0x28, 0x28, 0x2c));
    palette.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1c));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x9c, 0xc3, 0xff));
    palette.setColor(QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x86));
    return palette;
}

// The texts of the screen as it is shown now that do not reach the contrast they need:
// labels against what is painted behind them, text boxes against their base, and every
// run of a document in its own colour.
QStringList poorContrast(QWidget* screen, QSet<QWidget*>& checked)
{
    QStringList faults;
    QList<QLabel*> labels;
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (label->isVisible() && onScreen(label, screen) && !label->text().trimmed().isEmpty())
            labels.append(label);
    }
    const QImage behind = grabBehindLabels(screen, labels);
    const qreal ratio = behind.devicePixelRatio();
    const auto note = [&faults](QWidget* widget, const QString& what, double found, double needed) {
        faults.append(QStringLiteral("%1 (%2): %3 where %4 is needed")
                          .arg(widget->objectName(), what)
                          .arg(found, 0, 'f', 2)
                          .arg(needed));
    };
    for (QWidget* widget : screen->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !onScreen(widget, screen) || checked.contains(widget))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().trimmed().isEmpty())
                continue; // a picture, or nothing
            checked.insert(label);
            // The text's colour, from the palette (a style sheet's colour lands there too),
            // against what the screen paints behind the label.
            const QColor text = label->palette().color(label->foregroundRole());
            const QRect box = QRect(label->mapTo(screen, QPoint(0, 0)), label->size());
            const QRect pixels = QRectF(QPointF(box.topLeft()) * ratio, QSizeF(box.size()) * ratio).toRect();
            double found = 21;
            for (const QColor& background : backgroundColours(behind, pixels))
                found = std::min(found, contrast(text, background));
            if (found < neededContrast(label->font()))
                note(label, label->text().left(40), found, neededContrast(label->font()));
        } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            checked.insert(field);
            const double found = contrast(field->palette().color(QPalette::Text), field->palette().color(QPalette::Base));
            if (found < neededContrast(field->font()))
                note(field, QStringLiteral("text box"), found, neededContrast(field->font()));
        } else if (qobject_cast<QTextEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
            checked.insert(widget);
            auto* view = static_cast<QAbstractScrollArea*>(widget);
            QTextDocument* document = qobject_cast<QTextEdit*>(widget) ? static_cast<QTextEdit*>(widget)->document()
                                                                      : static_cast<QPlainTextEdit*>(widget)->document();
            const QColor base = view->viewport()->palette().color(view->viewport()->backgroundRole());
            const QColor plain = view->palette().color(QPalette::Text);
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    const QColor colour =
                        format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : plain;
                    // Headings (bold runs) in a colour the description fixes need the 3:1 of
                    // large text: the moon report's light red has 4.0:1 on white, the most
                    // that any page also holding black text can give it.
                    const double needed = format.fontWeight() >= QFont::Bold ? 3.0 : 4.5;
                    const double found = contrast(colour, base);
                    if (found < needed) {
                        note(widget, it.fragment().text().left(40), found, needed);
                        break;
                    }
                }
            }
            if (document->isEmpty() && contrast(plain, base) < 4.5)
                note(widget, QStringLiteral("empty text box"), contrast(plain, base), 4.5);
        }
    }
    return faults;
}

} // namespace

class EveryScreenTests : public QObject, public ScreenTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
    }

    void init()
    {
        setUpScreens(RegisterProgramWindows);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    void cleanup()
    {
        tearDownScreens();
    }

    void accessKeysActWhereTheUserWorks_data()
    {
        QTest::addColumn<int>("program"); // -1: no program window open
        QTest::addColumn<bool>("onResult");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("opens"); // the window the key leads to; -1: the program ends
        QTest::newRow("zodiac entry runs its own Alt+Z") << int(Program::Zodiac) << false << int(Qt::Key_Z)
                                                         << int(Id::frmSunSignZodiacCompatibility);
        QTest::newRow("moon entry runs its own Alt+M")
            << int(Program::Moon) << false << int(Qt::Key_M) << int(Id::frmMoonSign);
        QTest::newRow("Chinese entry runs its own Alt+C")
            << int(Program::Chinese) << false << int(Qt::Key_C) << int(Id::frmchiness);
        QTest::newRow("numerology result runs its own Alt+E") << int(Program::Numerology) << true << int(Qt::Key_E) << -1;
        QTest::newRow("a key no window claims goes to the main window")
            << int(Program::Zodiac) << false << int(Qt::Key_N) << int(Id::frmMainMarriageCompatibility);
        QTest::newRow("without a program window the main window's key acts")
            << -1 << false << int(Qt::Key_Z) << int(Id::frmMainZodiacCompatibility);
    }

    void accessKeysActWhereTheUserWorks()
    {
        QFETCH(int, program);
        QFETCH(bool, onResult);
        QFETCH(int, key);
        QFETCH(int, opens);
        if (program >= 0) {
            const Program chosen = static_cast<Program>(program);
            ProgramWindow* window = onResult ? OpenResult(*m_main, chosen, QStringLiteral("ANN"), QStringLiteral("BOB"))
                                             : OpenFilledEntry(*m_main, chosen, QStringLiteral("ANN"), QStringLiteral("BOB"));
            QVERIFY(window);
            QVERIFY(window->isAncestorOf(QApplication::focusWidget()));
        } else {
            m_main->cmdMdiExit->setFocus();
        }

        // One press: the key runs its button at once, whatever else shares the letter.
        sendKey(Qt::Key(key), Qt::AltModifier);
        // A key presses its button the way a click looks: down for a moment, then up.
        if (opens < 0) {
            QTRY_VERIFY_WITH_TIMEOUT(!m_main->isVisible(), kSettleMs);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(ProgramWindows::Find(static_cast<Id>(opens)), kSettleMs);
        ProgramWindow* opened = ProgramWindows::Find(static_cast<Id>(opens));
        QVERIFY(opened->isVisible());
        // A result screen shows what was typed: nothing was thrown away on the way.
        if (auto* zodiac = qobject_cast<frmSunSignZodiacCompatibility*>(opened))
            QCOMPARE(zodiac->lblNameM->text(), QStringLiteral("ANN"));
        if (auto* moon = qobject_cast<frmMoonSign*>(opened))
            QCOMPARE(moon->txtUserM->text(), QStringLiteral("ANN"));
        if (auto* chinese = qobject_cast<frmchiness*>(opened))
            QCOMPARE(chinese->Framale->userTitle(), QStringLiteral("ANN"));
    }

    void noWindowIsLeftOutOfSight_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("step");
        for (Program program : AllPrograms)
            QTest::addRow("%s: its button again", qPrintable(ProgramName(program))) << int(program) << "again";
        for (Program program : AllPrograms)
            QTest::addRow("%s: another program", qPrintable(ProgramName(program))) << int(program) << "other";
        for (Program program : AllPrograms)
            QTest::addRow("%s: the report's close box", qPrintable(ProgramName(program))) << int(program) << "close";
        QTest::newRow("Moon: Back on the result") << int(Program::Moon) << "back";
        QTest::newRow("Moon: File > Exit on the result") << int(Program::Moon) << "exit";
        QTest::newRow("Numerology: Back on the report") << int(Program::Numerology) << "back";
    }

    void noWindowIsLeftOutOfSight()
    {
        QFETCH(int, program);
        QFETCH(QString, step);
        const Program chosen = static_cast<Program>(program);
        auto* report = qobject_cast<ReportWindow*>(OpenReport(*m_main, chosen, QStringLiteral("ANN"), QStringLiteral("BOB")));
        QVERIFY(report);
        const ProgramWindowId reportId = report->id();
        QCOMPARE(windowOutOfSight(*m_main), QString());

        if (step == QLatin1String("again")) {
            QTest::mouseClick(m_main->cmdSelectOption[program], Qt::LeftButton);
        } else if (step == QLatin1String("other")) {
            QTest::mouseClick(m_main->cmdSelectOption[(program + 1) % 4], Qt::LeftButton);
        } else if (step == QLatin1String("close")) {
            report->close();
        } else if (chosen == Program::Moon) {
            auto* result = ProgramWindows::Find<frmMoonSign>(Id::frmMoonSign);
            QVERIFY(result);
            if (step == QLatin1String("back"))
                QTest::mouseClick(result->cmdBack, Qt::LeftButton);
            else
                result->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        } else {
            QTest::mouseClick(report->findChild<QAbstractButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
        }
        SettleWindows();
        QCOMPARE(windowOutOfSight(*m_main), QString());
        if (step != QLatin1String("close"))
            QVERIFY(!ProgramWindows::Find(reportId));
    }

    void aReportShowsTheResultItWasOpenedFrom()
    {
        auto* first = OpenReport(*m_main, Program::Moon, QStringLiteral("ANN"), QStringLiteral("BOB"));
        QVERIFY(first);
        QTest::mouseClick(ProgramWindows::Find<frmMoonSign>(Id::frmMoonSign)->cmdBack, Qt::LeftButton);
        SettleWindows();
        auto* second = qobject_cast<ReportWindow*>(OpenReport(*m_main, Program::Moon, QStringLiteral("CAROL"),
                                                              QStringLiteral("DAVE")));
        QVERIFY(second);
        QVERIFY(second->RTB->toPlainText().contains(QStringLiteral("Name :CAROL")));
        QVERIFY(!second->RTB->toPlainText().contains(QStringLiteral("ANN")));
    }

    void everyButtonCanBeReachedOnSmallAndScaledScreens_data()
    {
        QTest::addColumn<QSize>("screen");
        // 1280x800 at 100%, 150% and 200%: the room Qt's device-independent pixels leave.
        QTest::newRow("1280x800") << QSize(1280, 800);
        QTest::newRow("1280x800 at 1.5") << QSize(853, 533);
        QTest::newRow("1280x800 at 2") << QSize(640, 400);
    }

    void everyButtonCanBeReachedOnSmallAndScaledScreens()
    {
        QFETCH(QSize, screen);
        m_main->resize(screen);
        QCOMPARE(m_main->size(), screen);
        QMdiArea* area = m_main->mdiArea();
        for (Program program : AllPrograms) {
            const auto check = [&](ProgramWindow* window, const char* which) {
                QVERIFY2(window, which);
                const QString where = ProgramName(program) + u' ' + QLatin1String(which);
                for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                    if (!button->isVisible())
                        continue;
                    QVERIFY2(reachable(button, area), qPrintable(where + u' ' + button->objectName()));
                    // A button that takes the focus is scrolled into view.
                    button->setFocus();
                    const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
                    QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(where + u' ' + button->objectName()));
                }
                // The window takes no more room than the area has, unless its controls need it.
                const QSize bound = area->viewport()->size().expandedTo(window->minimumSizeHint());
                QVERIFY2(window->width() <= bound.width() && window->height() <= bound.height(), qPrintable(where));
            };
            check(OpenFilledEntry(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")), "entry");
            check(OpenResult(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")), "result");
            check(OpenReport(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")), "report");
        }
    }

    void namesOfAnyLengthOrWithAmpersandsKeepTheirPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("400 characters") << QStringLiteral("BARTHOLOMEW ").repeated(33).trimmed();
        QTest::newRow("one word of 3,200 letters") << QStringLiteral("A").repeated(3200);
        QTest::newRow("an ampersand") << QStringLiteral("TOM & JERRY");
    }

    void namesOfAnyLengthOrWithAmpersandsKeepTheirPlace()
    {
        QFETCH(QString, name);
        // Moon names take letters and blanks only.
        const QString moonName = QString(name).remove(u'&');
        for (Program program : AllPrograms) {
            ProgramWindow* result =
                OpenResult(*m_main, program, program == Program::Moon ? moonName : name, QStringLiteral("BOB"));
            QVERIFY(result);
            QVERIFY2(result->height() <= m_main->mdiArea()->viewport()->height(), qPrintable(ProgramName(program)));
            // The name shows "&" as typed and claims no access key.
            QVERIFY(!ClaimsAccessKey(result, QKeySequence(Qt::ALT | Qt::Key_J)));
        }
        // The zodiac result, opened last, shows the name on one line, in full in its tooltip.
        auto* zodiac = ProgramWindows::Find<frmSunSignZodiacCompatibility>(Id::frmSunSignZodiacCompatibility);
        QVERIFY(zodiac);
        zodiac->TS->setCurrentIndex(1);
        QCOMPARE(zodiac->lblNameM->text(), name);
        const bool cut = zodiac->lblNameM->shownText() != name;
        QCOMPARE(zodiac->lblNameM->toolTip(), cut ? name : QString());
        QCOMPARE(cut, name.size() > 100);
        // The tooltip follows the label's width: none while the whole name shows.
        ElidedLabel* label = zodiac->lblNameM;
        label->resize(label->fontMetrics().horizontalAdvance(name) + 20, label->height());
        QCOMPARE(label->toolTip(), QString());
        label->resize(label->minimumSizeHint().width(), label->height());
        QCOMPARE(label->toolTip(), name);
    }

    void chineseFrameCaptionsShowTheNameAsTyped()
    {
        auto* chinese = qobject_cast<frmchiness*>(
            OpenResult(*m_main, Program::Chinese, QStringLiteral("Tom & Jerry"), QStringLiteral("A").repeated(400)));
        QVERIFY(chinese);
        chinese->SSTab->setCurrentIndex(1);
        QCOMPARE(chinese->Framale->userTitle(), QStringLiteral("Tom & Jerry"));
        QCOMPARE(chinese->Framale->title(), QStringLiteral("Tom && Jerry"));
        QVERIFY(!ClaimsAccessKey(chinese, QKeySequence(Qt::ALT | Qt::Key_J)));
        chinese->SSTab->setCurrentIndex(2);
        QVERIFY(chinese->Frafemale->title().endsWith(QChar(0x2026)));
        QCOMPARE(chinese->Frafemale->toolTip(), QStringLiteral("A").repeated(400));
    }

    void everyControlSaysWhatItIsAndLinksWorkFromTheKeyboard_data()
    {
        QTest::addColumn<int>("program"); // -1: the main window
        QTest::addColumn<int>("screen");
        addEveryScreen();
    }

    void everyControlSaysWhatItIsAndLinksWorkFromTheKeyboard()
    {
        QFETCH(int, program);
        QFETCH(int, screen);
        QWidget* shown = openScreen(*m_main, program, screen);
        QVERIFY(shown);

        // Every control the keyboard reaches says what it holds, more than its frame's
        // title and more than its own value, and no two in one frame say the same.
        QList<QAccessibleInterface*> found;
        collectAccessible(QAccessible::queryAccessibleInterface(shown), shown, found);
        QStringList faults;
        QHash<QGroupBox*, QStringList> namesByGroup;
        int controls = 0;
        for (QAccessibleInterface* iface : found) {
            auto* widget = static_cast<QWidget*>(iface->object());
            // A control whose focus goes to a part of it (a tab widget's tab bar) is named there.
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || widget->focusProxy())
                continue;
            ++controls;
            const QString name = spokenName(iface);
            const QString what = widget->objectName() + QStringLiteral(" \"") + name + u'"';
            QGroupBox* group = partnerGroup(widget, shown);
            if (name.isEmpty())
                faults.append(what + QStringLiteral(" has no name"));
            for (QGroupBox* frame = group; frame; frame = partnerGroup(frame, shown)) {
                if (!name.isEmpty() && name.compare(withoutAccessKey(frame->title()), Qt::CaseInsensitive) == 0)
                    faults.append(what + QStringLiteral(" is named by its frame only"));
            }
            const QString value = iface->text(QAccessible::Value).trimmed();
            if (!value.isEmpty() && name == value)
                faults.append(what + QStringLiteral(" is named by its value only"));
            if (namesByGroup[group].contains(name, Qt::CaseInsensitive))
                faults.append(what + QStringLiteral(" shares its name within its frame"));
            namesByGroup[group].append(name);
        }
        QVERIFY(controls > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // Links are links to a screen reader, pressed to open.
        const QList<ClickableLabel*> links = linksOf(shown);
        QVERIFY(!links.isEmpty());
        for (ClickableLabel* link : links) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(iface->role(), QAccessible::Link);
            QVERIFY(iface->actionInterface());
            QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }

        // From the screen's first control, Tab reaches every link, after all of the
        // screen's own controls, and Enter on a link opens its page.
        QWidget* first = shown->nextInFocusChain();
        while (first != shown && !(onScreen(first, shown) && (first->focusPolicy() & Qt::TabFocus) &&
                                   first->isVisible() && first->isEnabled()))
            first = first->nextInFocusChain();
        QVERIFY(first != shown);
        while (first->focusProxy())
            first = first->focusProxy();
        QVERIFY(!qobject_cast<ClickableLabel*>(first));
        first->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), first, kSettleMs);
        QList<QWidget*> visited{first};
        for (int press = 0; press < 400; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(onScreen(focus, shown), qPrintable(focus->objectName()));
            if (focus == first)
                break;
            if (focus == visited.last())
                continue; // a report view moves through the links in its text first
            QVERIFY2(!visited.contains(focus), qPrintable(focus->objectName() + QStringLiteral(" again")));
            visited.append(focus);
            if (auto* link = qobject_cast<ClickableLabel*>(focus)) {
                m_urls->clear();
                QTest::keyClick(focus, Qt::Key_Return);
                QCOMPARE(m_urls->urls(), QList<QUrl>{QUrl(link->toolTip())});
                QCOMPARE(QApplication::focusWidget(), focus);
            }
        }
        QCOMPARE(QApplication::focusWidget(), first);
        qsizetype firstLink = visited.size();
        for (ClickableLabel* link : links) {
            QVERIFY2(visited.contains(link), qPrintable(link->objectName() + QStringLiteral(" is out of reach")));
            firstLink = std::min(firstLink, visited.indexOf(link));
        }
        for (qsizetype i = firstLink; i < visited.size(); ++i)
            QVERIFY2(qobject_cast<ClickableLabel*>(visited[i]),
                     qPrintable(visited[i]->objectName() + QStringLiteral(" comes after a link")));
    }

    void everyScreenReadsWellInALightAndADarkTheme_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("dark");
        for (bool dark : {false, true}) {
            QTest::addRow("%s main window", dark ? "dark" : "light") << -1 << 0 << dark;
            for (Program program : AllPrograms) {
                for (Screen screen : AllScreens)
                    QTest::addRow("%s %s %s", dark ? "dark" : "light", qPrintable(ProgramName(program)),
                                  qPrintable(ScreenName(screen)))
                        << int(program) << int(screen) << dark;
            }
        }
    }

    void everyScreenReadsWellInALightAndADarkTheme()
    {
        QFETCH(int, program);
        QFETCH(int, screen);
        QFETCH(bool, dark);
        // The theme is in place before the windows open, as a desktop theme is.
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([original] { QApplication::setPalette(original); });
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        m_main.reset();
        m_main = MakeMainWindow(RegisterProgramWindows);
        QWidget* shown = openScreen(*m_main, program, screen);
        QVERIFY(shown);
        SettleWindows();

        // Every page of the screen: each tab, and each panel of the moon result.
        QSet<QWidget*> checked;
        QStringList faults = poorContrast(shown, checked);
        for (QStackedLayout* pages : shown->findChildren<QStackedLayout*>()) {
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                faults += poorContrast(shown, checked);
            }
        }
        QVERIFY(checked.size() > 3);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        if (auto* zodiac = qobject_cast<frmSunSignZodiacCompatibility*>(shown)) {
            // A design colour stays itself where it reads: the match in purple, in a light theme.
            const QLabel* match = zodiac->lblMatchPercentage;
            QCOMPARE(match->palette().color(match->foregroundRole()) == QColor(0x80, 0x00, 0x80), !dark);
            // A theme changed while the screen is open is followed too.
            QApplication::setPalette(dark ? QApplication::style()->standardPalette() : darkPalette());
            checked.clear();
            QVERIFY2(poorContrast(shown, checked).isEmpty(), "after the theme changed");
        }
    }

    void listsSpeakAndSelectWhatWasTyped_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("typed"); // each entry typed in one go, a pause between
        QTest::addColumn<QString>("selected");
        QTest::newRow("1 on a fresh day list") << "CboMaleDate" << QStringList{"1"} << "1";
        QTest::newRow("1 2 in one go") << "CboMaleDate" << QStringList{"12"} << "12";
        QTest::newRow("3 then 1 after a pause") << "CboMaleDate" << QStringList{"3", "1"} << "1";
        QTest::newRow("a whole year") << "cboMaleYear" << QStringList{"1970"} << "1970";
        QTest::newRow("j") << "cboMaleMonth" << QStringList{"j"} << "January";
        QTest::newRow("j again") << "cboMaleMonth" << QStringList{"jj"} << "June";
        QTest::newRow("j three times, slowly") << "cboMaleMonth" << QStringList{"j", "j", "j"} << "July";
        QTest::newRow("nothing starts so") << "cboMaleMonth" << QStringList{"x"} << "January";
    }

    void listsSpeakAndSelectWhatWasTyped()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, typed);
        QFETCH(QString, selected);
        ProgramWindow* entry = OpenFilledEntry(*m_main, Program::Chinese, QStringLiteral("ANN"), QStringLiteral("BOB"));
        auto* choices = entry->findChild<QComboBox*>(list);
        QVERIFY(choices);
        choices->setFocus();
        for (const QString& burst : typed) {
            QTest::keyClicks(QApplication::focusWidget(), burst);
            QTest::qWait(QApplication::keyboardInputInterval() + 50);
        }
        QCOMPARE(choices->currentText(), selected);
        // The list speaks its own name with its item.
        const QString heard = spoken(choices);
        QVERIFY2(heard.startsWith(choices->accessibleName()) && heard.endsWith(selected), qPrintable(heard));
    }

    void keysDoWhatAKeyboardUserExpects_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("Enter on a focused program button") << "enter on program button";
        QTest::newRow("Enter on a focused result button") << "enter on Back";
        QTest::newRow("an unclaimed Alt+letter in a name") << "alt in name";
        QTest::newRow("an unclaimed Alt+letter on a list") << "alt on list";
        QTest::newRow("Escape on a report") << "escape on report";
        QTest::newRow("Exit on a result") << "exit on result";
    }

    void keysDoWhatAKeyboardUserExpects()
    {
        QFETCH(QString, step);
        if (step == QLatin1String("enter on program button")) {
            m_main->cmdSelectOption[3]->setFocus();
            sendKey(Qt::Key_Return, Qt::NoModifier);
            QTRY_VERIFY_WITH_TIMEOUT(ProgramWindows::Find(Id::frmMainZodiacCompatibility), kSettleMs);
        } else if (step == QLatin1String("enter on Back")) {
            auto* result = qobject_cast<frmchiness*>(OpenResult(*m_main, Program::Chinese, "ANN", "BOB"));
            result->cmdBack->setFocus();
            sendKey(Qt::Key_Enter, Qt::KeypadModifier);
            QTRY_VERIFY_WITH_TIMEOUT(ProgramWindows::Find(Id::frmmainChineseZodiac), kSettleMs);
        } else if (step.startsWith(QLatin1String("alt"))) {
            ProgramWindow* entry = OpenFilledEntry(*m_main, Program::Chinese, QStringLiteral("BOB"), QStringLiteral("ANN"));
            auto* name = entry->findChild<QLineEdit*>(QStringLiteral("txtMaleName"));
            auto* month = entry->findChild<QComboBox*>(QStringLiteral("cboMaleMonth"));
            (step == QLatin1String("alt in name") ? static_cast<QWidget*>(name) : month)->setFocus();
            sendKey(Qt::Key_S, Qt::AltModifier);
            QCOMPARE(name->text(), QStringLiteral("BOB"));
            QCOMPARE(month->currentText(), QStringLiteral("January"));
        } else if (step == QLatin1String("escape on report")) {
            ProgramWindow* report = OpenReport(*m_main, Program::Zodiac, "ANN", "BOB");
            QVERIFY(report->isAncestorOf(QApplication::focusWidget()));
            sendKey(Qt::Key_Escape, Qt::NoModifier);
            QTRY_VERIFY_WITH_TIMEOUT(!ProgramWindows::Find(Id::frmSaveZodiacCompatibility), kSettleMs);
        } else {
            auto* result = qobject_cast<frmchiness*>(OpenResult(*m_main, Program::Chinese, "ANN", "BOB"));
            result->cmdExit->setFocus();
            sendKey(Qt::Key_Space, Qt::NoModifier);
            QTRY_VERIFY_WITH_TIMEOUT(!ProgramWindows::Find(Id::frmchiness), kSettleMs);
        }
        // Wherever the user ends up, the focus is on a control that says what it is.
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget() && QApplication::focusWidget()->isVisible(), kSettleMs);
        QVERIFY2(!spoken(QApplication::focusWidget()).trimmed().isEmpty(),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }

    void resultsAreAnnouncedWhereTheScreenOpens()
    {
        for (Program program : AllPrograms) {
            ProgramWindow* result = OpenResult(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB"));
            QVERIFY(result);
            SettleWindows();
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus && result->isAncestorOf(focus), qPrintable(ProgramName(program)));
            // What is heard there holds every figure the screen shows in its result labels.
            QStringList shown;
            if (auto* zodiac = qobject_cast<frmSunSignZodiacCompatibility*>(result))
                shown << zodiac->lblSunSignM->text() << zodiac->lblSunSignF->text()
                      << zodiac->lblMatchPercentage->text() << zodiac->lblMatchComment->text();
            else if (auto* moon = qobject_cast<frmMoonSign*>(result))
                shown << moon->txtMoonM->text() << moon->txtMoonF->text() << moon->lblPercentage->text()
                      << moon->lblComment->text();
            else if (auto* chinese = qobject_cast<frmchiness*>(result))
                shown << chinese->lblMaleChinesesign->text() << chinese->lblFemaleChineseSign->text()
                      << chinese->lblChineseCompatibilityNumber->text() << chinese->lblChinesePercentage->text()
                      << chinese->lblChineseRating->text();
            else if (auto* numerology = qobject_cast<frmDispMarriageCompatibility*>(result))
                shown << numerology->txtDisp->textCursor().block().text().section(u':', 1).split(u'+');
            const QString heard = focus == result->findChild<ReportView*>() ? static_cast<ReportView*>(focus)->textCursor().block().text()
                                                                             : spoken(focus);
            for (const QString& figure : std::as_const(shown))
                QVERIFY2(!figure.trimmed().isEmpty() && heard.contains(figure.trimmed()),
                         qPrintable(ProgramName(program) + QStringLiteral(": ") + figure + QStringLiteral(" in ") + heard));
        }
    }

    void reportsOpenAtTheirTop()
    {
        m_main->resize(853, 533);
        for (Program program : AllPrograms) {
            auto* report = qobject_cast<ReportWindow*>(
                OpenReport(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")));
            QVERIFY(report);
            QVERIFY2(report->RTB->verticalScrollBar()->maximum() > 0, qPrintable(ProgramName(program)));
            QVERIFY2(report->RTB->verticalScrollBar()->value() == 0, qPrintable(ProgramName(program)));
        }
    }
};

QTEST_MAIN(EveryScreenTests)
#include "tst_everyScreen.moc"
