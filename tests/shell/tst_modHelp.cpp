// Web links, the shared menus and the update reminder.
#include "shell/ClickableLabel.h"
#include "shell/MenuBarModel.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "tests/support/GuiTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

const QDate kToday(2026, 12, 9);

QString storedReminder()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName());
    return settings.value(QStringLiteral("Settings/Duration")).toString();
}

void storeReminder(const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName());
    settings.setValue(QStringLiteral("Settings/Duration"), value);
}

QStringList captionsOf(QMenu* menu)
{
    QStringList captions;
    for (QAction* action : menu->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

} // namespace

class HelpTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ConfigureTestApplication(); }

    void everyPageOpensItsFullAddress_data()
    {
        // Spelled out here, not built from the program's constants, so a misspelled key shows.
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("address");
        const QString site = QStringLiteral("https://www.zel-compatibility.example/zel-free-compatibility/ssd.php?page=");
        QTest::newRow("home") << PageKey::HomePage << site + QStringLiteral("home-page");
        QTest::newRow("help") << PageKey::HelpWebPage << site + QStringLiteral("help-web-page");
        QTest::newRow("download") << PageKey::DownloadWebPage << site + QStringLiteral("download-web-page");
        QTest::newRow("donate") << PageKey::Donate << site + QStringLiteral("donate");
        QTest::newRow("fully branded") << PageKey::FullyBranded << site + QStringLiteral("fully-branded");
        QTest::newRow("co-brand") << PageKey::CoBrand << site + QStringLiteral("co-brand");
    }

    void everyPageOpensItsFullAddress()
    {
        QFETCH(QString, key);
        QFETCH(QString, address);
        QCOMPARE(modHelp::PageAddress(key), address);
        UrlCapture urls;
        modHelp::OpenPage(key);
        QCOMPARE(urls.urls(), QList<QUrl>{QUrl(address)});
    }

    void onlyWebAddressesReachTheDesktop()
    {
        UrlCapture urls;
        for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "mailto:a@b.example", "http://", "calc.exe"})
            modHelp::OpenWebAddress(QUrl(QString::fromLatin1(refused)));
        QVERIFY(urls.urls().isEmpty());
        modHelp::OpenWebAddress(QUrl(QStringLiteral("https://www.google.com/search?q=Paris")));
        QCOMPARE(urls.urls(), QList<QUrl>{QUrl(QStringLiteral("https://www.google.com/search?q=Paris"))});
    }

    void aPageTheDesktopCannotOpenIsShownInAMessage()
    {
        MessageLog messages; // the offscreen platform opens no pages, as a desktop without a browser
        modHelp::OpenPage(PageKey::Donate);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("The page could not be opened, because no web browser was "
                                                              "found.\nOpen this address in a web browser:\n")
                                               + PageUrl(PageKey::Donate).toString()});
    }

    void reminderDateIsStoredShiftedBy85()
    {
        const QString encoded = modHelp::EncodeReminderDate(QDate(2026, 1, 5));
        QString expected;
        for (QChar c : QStringLiteral("1/5/2026"))
            expected.append(QChar(c.unicode() + 85));
        QCOMPARE(encoded, expected);
        QCOMPARE(modHelp::DecodeReminderDate(encoded), std::optional<QDate>(QDate(2026, 1, 5)));
    }

    void firstStartStoresTodayWithoutAsking()
    {
        TemporarySettings settings;
        MessageLog messages;
        modHelp::UpdateReminder(kToday);
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(modHelp::DecodeReminderDate(storedReminder()), std::optional<QDate>(kToday));
    }

    void withinFourteenDaysEitherWayNothingHappens_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::newRow("same day") << 0;
        QTest::newRow("14 days ago") << 14;
        QTest::newRow("14 days ahead") << -14;
    }

    void withinFourteenDaysEitherWayNothingHappens()
    {
        QFETCH(int, daysAgo);
        TemporarySettings settings;
        MessageLog messages;
        const QString stored = modHelp::EncodeReminderDate(kToday.addDays(-daysAgo));
        storeReminder(stored);
        modHelp::UpdateReminder(kToday);
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(storedReminder(), stored);
    }

    void fifteenDaysEitherWayAsksAndRemembersToday_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<int>("answer");
        QTest::newRow("15 days ago, no") << 15 << int(QMessageBox::No);
        QTest::newRow("a year ago, yes") << 365 << int(QMessageBox::Yes);
        QTest::newRow("clock set back, no") << -15 << int(QMessageBox::No);
    }

    void fifteenDaysEitherWayAsksAndRemembersToday()
    {
        QFETCH(int, daysAgo);
        QFETCH(int, answer);
        TemporarySettings settings;
        UrlCapture urls;
        MessageLog messages{QMessageBox::StandardButton(answer)};
        storeReminder(modHelp::EncodeReminderDate(kToday.addDays(-daysAgo)));
        modHelp::UpdateReminder(kToday);

        QCOMPARE(messages.messages().size(), 1);
        const ShownMessage& question = messages.messages().first();
        QCOMPARE(question.text, QStringLiteral("There maybe an update to this software available\n"
                                               "Do you want to check for an update?"));
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.title, QStringLiteral("Zel Compatibility"));
        QCOMPARE(modHelp::DecodeReminderDate(storedReminder()), std::optional<QDate>(kToday));
        if (answer == QMessageBox::Yes)
            QCOMPARE(urls.urls(), QList<QUrl>{PageUrl(PageKey::DownloadWebPage)});
        else
            QVERIFY(urls.urls().isEmpty());

        // Answered today: the next start asks nothing.
        messages.clear();
        modHelp::UpdateReminder(kToday.addDays(14));
        QVERIFY(messages.messages().isEmpty());
    }

    void unreadableStoredDateEndsTheReminderQuietly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain text") << QStringLiteral("12/1/2026");
        QTest::newRow("garbage") << QStringLiteral("\u0101\u0102xyz");
        QTest::newRow("very long") << QString(100000, QChar(0x86));
        QTest::newRow("not a day") << modHelp::EncodeReminderDate(QDate(2026, 1, 1)).replace(0, 1, QChar(0x84));
        QTest::newRow("below the shift") << QStringLiteral("\u0010\u0011");
    }

    void unreadableStoredDateEndsTheReminderQuietly()
    {
        QFETCH(QString, stored);
        TemporarySettings settings;
        MessageLog messages;
        storeReminder(stored);
        modHelp::UpdateReminder(kToday);
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(storedReminder(), stored);
    }

    void aReminderThatCannotBeSavedSaysSo_data()
    {
        QTest::addColumn<QString>("why"); // %1: the settings folder
        QTest::newRow("a link to another file") << "It is a link to \"%1/notes.txt\", which is left as it is.";
        QTest::newRow("a full disk") << "The disk is full.";
        QTest::newRow("a read-only disk") << "The disk is read-only.";
    }

    void aReminderThatCannotBeSavedSaysSo()
    {
        QFETCH(QString, why);
        TemporarySettings settings;
        const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                       QCoreApplication::applicationName()).fileName();
        const QString notes = settings.path() + QStringLiteral("/notes.txt");
        const bool link = why.startsWith(u"It is a link");
        const SmallDisk disk(settings.path(), QStringLiteral("size=64k"));
        if (!link) {
            SKIP_UNLESS_MOUNTED(disk);
        }
        storeReminder(modHelp::EncodeReminderDate(kToday.addDays(-30)));
        QFile kept(link ? notes : file);
        if (link) {
            QVERIFY(QFile::rename(file, notes) && QFile::link(notes, file));
            QVERIFY(kept.open(QIODevice::Append) && kept.write("my own notes, not settings\n") && kept.flush());
        } else if (why.contains(u"full")) {
            QVERIFY(disk.fill());
        } else {
            QCOMPARE(QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), settings.path()}), 0);
        }
        kept.close();
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray content = kept.readAll();

        MessageLog messages{QMessageBox::No};
        modHelp::UpdateReminder(kToday);
        QCOMPARE(messages.messages().size(), 2); // the question, then why its answer is not kept
        QCOMPARE(messages.texts()[1], QStringLiteral("The date of this reminder could not be saved in \"%1\".\n%2\n"
                                                     "Until it can be, this question comes back at every start.")
                                          .arg(file, QString(why).replace(QStringLiteral("%1"), settings.path())));
        QVERIFY(kept.seek(0));
        QCOMPARE(kept.readAll(), content);
    }

    void sharedMenusCarryEachWindowsCaptions_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("help");
        QTest::addColumn<QStringList>("topLevel");
        QTest::addColumn<QString>("makeMoneyName");
        const QStringList standard{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                                   QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                                   QStringLiteral("&About Software")};
        const QStringList withMoney{QStringLiteral("&Help"), QStringLiteral("&Donate"), QStringLiteral("Make Money &Online")};
        QTest::newRow("main") << "frmMDI" << standard << withMoney << "mkmoney";
        QTest::newRow("zodiac entry") << "frmMainZodiacCompatibility" << standard << withMoney << "mkmoney";
        QTest::newRow("zodiac result") << "frmSunSignZodiacCompatibility" << standard
                                       << QStringList{QStringLiteral("&Help"), QStringLiteral("&Donate")} << "";
        QTest::newRow("moon entry") << "frmMainMoonSignCompatibility" << standard
                                    << QStringList{QStringLiteral("&Help"), QStringLiteral("Donate"),
                                                   QStringLiteral("Make Money &Online")}
                                    << "mkmoney";
        QTest::newRow("moon result") << "frmMoonSign" << standard << withMoney << "mnuMakeMoney";
        QTest::newRow("chinese entry") << "frmmainChineseZodiac" << standard << withMoney << "mkmoney";
        QStringList chineseResult = standard;
        chineseResult[3] = QStringLiteral("Check For Software &Update");
        QTest::newRow("chinese result") << "frmchiness" << chineseResult << withMoney << "mkmoney";
        QStringList numerology = standard;
        numerology[0] = QStringLiteral("&Online help");
        numerology[1] = QStringLiteral("&Visit us Online");
        QTest::newRow("numerology entry") << "frmMainMarriageCompatibility" << numerology << withMoney << "mkmoney";
    }

    void sharedMenusCarryEachWindowsCaptions()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, help);
        QFETCH(QStringList, topLevel);
        QFETCH(QString, makeMoneyName);

        QWidget owner;
        MenuBarModel bar(&owner);
        modHelp::AddSharedMenus(bar, window);
        QStringList topCaptions;
        for (QAction* action : bar.actions())
            topCaptions.append(action->text());
        QCOMPARE(topCaptions, topLevel);
        QCOMPARE(captionsOf(bar.actions().first()->menu()), help);
        for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout", "mnuDonate"})
            QVERIFY2(owner.findChild<QAction*>(QString::fromLatin1(name)), name);
        if (!makeMoneyName.isEmpty()) {
            QAction* makeMoney = owner.findChild<QAction*>(makeMoneyName);
            QVERIFY(makeMoney);
            QVERIFY(!makeMoney->isEnabled());
        }
    }

    void sharedMenuCommandsOpenTheirPages()
    {
        QWidget owner;
        MenuBarModel bar(&owner);
        modHelp::AddSharedMenus(bar, QStringLiteral("frmMainZodiacCompatibility"));
        UrlCapture urls;
        const QList<std::pair<const char*, QString>> commands{{"mnuOnline", PageKey::HelpWebPage},
                                                               {"mnuVisit", PageKey::HomePage},
                                                               {"mnuUpdate", PageKey::DownloadWebPage},
                                                               {"mnuDonate", PageKey::Donate}};
        for (const auto& [name, page] : commands) {
            urls.clear();
            owner.findChild<QAction*>(QString::fromLatin1(name))->trigger();
            QCOMPARE(urls.urls(), QList<QUrl>{PageUrl(page)});
        }
        // "Make Money Online" cannot be chosen; switched on, its command would open its page.
        QAction* makeMoney = owner.findChild<QAction*>(QStringLiteral("mkmoney"));
        QVERIFY(!makeMoney->isEnabled());
        urls.clear();
        makeMoney->setEnabled(true);
        makeMoney->trigger();
        QCOMPARE(urls.urls(), QList<QUrl>{PageUrl(PageKey::FullyBranded)});
    }

    void aboutOpensModallyAndOkClosesIt()
    {
        QWidget owner;
        owner.show();
        MenuBarModel bar(&owner);
        modHelp::AddSharedMenus(bar, QStringLiteral("frmMDI"));
        UrlCapture urls;
        bool seen = false;
        QTimer::singleShot(100, this, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            seen = true;
            QCOMPARE(about->windowTitle(), QStringLiteral("Zel Compatibility v1.95"));
            QCOMPARE(about->Label2->text(), QStringLiteral("Zel Compatibility v1.95"));
            QVERIFY(about->Label1->text().startsWith(QStringLiteral("Zel Compatibility is a consolidated")));
            QVERIFY(about->Label1->text().contains(QStringLiteral("level of combatibility between")));
            QCOMPARE(about->Label3->text(),
                     QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                    "online. Get this software fully branded for your website. "));
            QCOMPARE(about->lblCoBrand->text(), QStringLiteral("Click here for more details."));
            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QVERIFY(about->isVisible()); // links leave the About window open
            QCOMPARE(about->cmdOK->text(), QStringLiteral("&OK"));
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        });
        owner.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(urls.urls(), (QList<QUrl>{PageUrl(PageKey::FullyBranded), PageUrl(PageKey::HomePage)}));
    }
};

QTEST_MAIN(HelpTests)
#include "tst_modHelp.moc"
