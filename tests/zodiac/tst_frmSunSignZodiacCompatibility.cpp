// The zodiac result screen, reached through the entry screen as a user does: what each
// tab shows for the pairs worth checking, and where Back, Save and Exit lead.
#include "zodiac/ZodiacWindows.h"
#include "tests/support/ScreenTest.h"
#include "tests/zodiac/ZodiacDriver.h"
#include "content/SunSignPairTexts.h"
#include "shell/ElidedLabel.h"
#include "shell/ClickableLabel.h"
#include "shell/SignPictures.h"
#include "zodiac/modSunSign.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include "report/ReportView.h"

namespace {

QString pairText(const char* key)
{
    for (const content::KeyedText& entry : content::SunSignPairTexts) {
        if (entry.key == key)
            return QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size()));
    }
    return {};
}

// A date that falls under each sign.
ZodiacPartner under(const QString& sign, const QString& name = QStringLiteral("Someone"))
{
    static const QHash<QString, std::pair<const char*, const char*>> dates{
        {"Aries", {"March", "25"}},     {"Taurus", {"May", "1"}},         {"Gemini", {"June", "1"}},
        {"Cancer", {"July", "1"}},      {"Leo", {"August", "1"}},         {"Virgo", {"September", "1"}},
        {"Libra", {"October", "1"}},    {"Scorpio", {"November", "1"}},   {"Sagittarius", {"December", "1"}},
        {"Capricorn", {"January", "1"}}, {"Aquarius", {"February", "1"}}, {"Pisces", {"March", "1"}},
    };
    const auto date = dates.value(sign);
    return BornOn(name, QString::fromLatin1(date.first), QString::fromLatin1(date.second));
}

void clickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

} // namespace

class ResultScreenTest : public QObject, private ScreenTest {
    Q_OBJECT

private:

    frmSunSignZodiacCompatibility* result(const ZodiacPartner& you, const ZodiacPartner& partner)
    {
        return OpenZodiacResult(*m_main, you, partner);
    }

    // The headline of the compatibility tab for a pair of signs.
    void checkHeadline(const QString& signM, const QString& signF, const QString& percentage,
                       const QString& comment, const char* key)
    {
        frmSunSignZodiacCompatibility* screen = result(under(signM), under(signF));
        QVERIFY(screen);
        QCOMPARE(screen->lblMatchPercentage->text(), percentage);
        QCOMPARE(screen->lblMatchComment->text(), comment);
        QCOMPARE(screen->lblMatchSunSigns->text(),
                 QStringLiteral("Zodiac Compatibility: %1 And %2").arg(signM, signF));
        QCOMPARE(screen->lblMatchDescription->text(), pairText(key));
        QCOMPARE(screen->Image1->pictureKey(), signM);
        QCOMPARE(screen->Image2->pictureKey(), signF);
        screen->close();
        Settle();
    }

    void checkProfile(const frmSunSignZodiacCompatibility::PartnerControls& c, const std::string& sign)
    {
        modSunSign::SunSignProfile p;
        modSunSign::GetSunSignProfile(sign, p);
        const auto q = [](const std::string& s) { return QString::fromStdString(s); };
        QCOMPARE(c.txtElement->text(), q(p.Element));
        QCOMPARE(c.txtRulingPlanet->text(), q(p.RulingPlanet));
        QCOMPARE(c.txtPositiveTraits->toPlainText(), q(p.PositiveTraits));
        QCOMPARE(c.txtNegativeTraits->toPlainText(), q(p.NegativeTraits));
        QCOMPARE(c.txtLuckyNumber->text(), q(p.LuckyNumber));
        QCOMPARE(c.txtLuckyColor->text(), q(p.LuckyColor));
        QCOMPARE(c.txtLuckyDay->text(), q(p.LuckyDay));
        QCOMPARE(c.txtCompatibility->text(), q(p.Compatibility));
        QCOMPARE(c.txtFamousPersons->toPlainText(), q(p.FamousPersons));
        QCOMPARE(c.txtBirthStone->text(), q(p.BirthStone));
        QCOMPARE(c.txtQuality->text(), q(p.Quality));
    }

private slots:
    void initTestCase() { ConfigureTestApplication(); }

    void init()
    {
        setUpScreens(RegisterZodiacWindows);
    }

    void cleanup()
    {
        tearDownScreens();
    }

    void ariesWithLeoIsAnEasyMatch()
    {
        checkHeadline("Aries", "Leo", "You Have A Match Of 60%", "An Easy Match", "Aries-Leo");
    }

    void leoWithAriesIsAnExcellentMatch()
    {
        checkHeadline("Leo", "Aries", "You Have A Match Of 100%", "An Excellent Match", "Leo-Aries");
    }

    void cancerWithCapricornIsSpecial()
    {
        checkHeadline("Cancer", "Capricorn", "Compatibility Of Cancer With Capricorn", "A Special Match",
                      "Cancer-Capricorn");
    }

    void twoGeminisAreSpecialInTheirOwnWay()
    {
        checkHeadline("Gemini", "Gemini", "Compatibility Of Gemini With Gemini",
                      "A Special Match - This could be a Great Match or a Difficult Match", "Gemini-Gemini");
    }

    void twoPiscesAreSpecial()
    {
        checkHeadline("Pisces", "Pisces", "Compatibility Of Pisces With Pisces", "A Special Match", "Pisces-Pisces");
    }

    void virgoWithScorpioReadsItsOwnText()
    {
        checkHeadline("Virgo", "Scorpio", "You Have A Match Of 60%", "An Easy Match", "Virgo-Scorpio");
        checkHeadline("Scorpio", "Virgo", "You Have A Match Of 60%", "An Easy Match", "Scorpio-Virgo");
        QVERIFY(pairText("Virgo-Scorpio") != pairText("Scorpio-Virgo"));
    }

    void partnerPagesShowNamesDatesSignsAndProfiles()
    {
        frmSunSignZodiacCompatibility* screen =
            result(BornOn(QStringLiteral("Ann Lee"), QStringLiteral("March"), QStringLiteral("7"), QStringLiteral("1980")),
                   BornOn(QStringLiteral("Bob"), QStringLiteral("February"), QStringLiteral("30"), QStringLiteral("1985")));
        QVERIFY(screen);
        QCOMPARE(screen->lblNameM->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(screen->lblDOBM->text(), QStringLiteral("March 7, 1980"));
        QCOMPARE(screen->lblSunSignM->text(), QStringLiteral("Pisces"));
        QCOMPARE(screen->fraSunSignM->title(), QStringLiteral("Pisces"));
        QCOMPARE(screen->picSunSignM->pictureKey(), QStringLiteral("Pisces"));
        QCOMPARE(screen->lblNameF->text(), QStringLiteral("Bob"));
        QCOMPARE(screen->lblDOBF->text(), QStringLiteral("February 30, 1985"));
        QCOMPARE(screen->lblSunSignF->text(), QStringLiteral("Pisces"));
        QCOMPARE(screen->fraSunSignF->title(), QStringLiteral("Pisces"));
        QCOMPARE(screen->picSunSignF->pictureKey(), QStringLiteral("Pisces"));
        checkProfile(screen->partnerM(), "Pisces");
        checkProfile(screen->partnerF(), "Pisces");

        screen->close();
        Settle();
        screen = result(under("Scorpio", QStringLiteral("Cy")), under("Taurus", QStringLiteral("Di")));
        QVERIFY(screen);
        checkProfile(screen->partnerM(), "Scorpio");
        checkProfile(screen->partnerF(), "Taurus");
        QCOMPARE(screen->fraSunSignM->title(), QStringLiteral("Scorpio"));
        QCOMPARE(screen->fraSunSignF->title(), QStringLiteral("Taurus"));
    }

    void namesAreShownExactlyAsTyped()
    {
        // Typed text is data: what looks like markup is shown as it was typed.
        const QString name = QStringLiteral("<b>Ann</b> & <i>Co</i>");
        frmSunSignZodiacCompatibility* screen =
            result(BornOn(name, QStringLiteral("March"), QStringLiteral("7")), under("Leo", QStringLiteral("<br>")));
        QVERIFY(screen);
        QCOMPARE(screen->lblNameM->text(), name);
        QCOMPARE(screen->lblNameF->text(), QStringLiteral("<br>"));
        for (QLabel* label : std::initializer_list<QLabel*>{screen->lblNameM, screen->lblNameF, screen->lblDOBM,
                                                            screen->lblMatchDescription})
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void profileBoxesAreReadOnlyAndTheLongOnesScroll()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Leo"), under("Libra"));
        QVERIFY(screen);
        for (const auto& c : {screen->partnerM(), screen->partnerF()}) {
            for (QLineEdit* box : {c.txtElement, c.txtRulingPlanet, c.txtLuckyNumber, c.txtLuckyColor, c.txtLuckyDay,
                                   c.txtCompatibility, c.txtBirthStone, c.txtQuality})
                QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
            for (QPlainTextEdit* box : {c.txtPositiveTraits, c.txtNegativeTraits, c.txtFamousPersons}) {
                QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
                QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
                QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            }
        }
        // Typing into a box changes nothing.
        clickTab(screen->TS, 1);
        QTest::keyClicks(screen->txtElementM, QStringLiteral("Water"));
        QTest::keyClicks(screen->txtPositiveTraitsM, QStringLiteral("extra"));
        QCOMPARE(screen->txtElementM->text(), QStringLiteral("Fire"));
        QVERIFY(!screen->txtPositiveTraitsM->toPlainText().contains(QStringLiteral("extra")));
    }

    void captionsOfTabsFramesAndBoxes()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Leo"));
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Zel Zodiac Compatibility"));
        QCOMPARE(screen->TS->count(), 3);
        QCOMPARE(screen->TS->tabText(0), QStringLiteral("Zodiac Compatibility"));
        QCOMPARE(screen->TS->tabText(1), QStringLiteral("Your Zodiac Details"));
        QCOMPARE(screen->TS->tabText(2), QStringLiteral("Your Partner's Zodiac Details"));
        QCOMPARE(screen->TS->widget(0), screen->Frame3);
        QCOMPARE(screen->TS->widget(1), screen->Frame1);
        QCOMPARE(screen->TS->widget(2), screen->Frame2);
        QCOMPARE(screen->Frame3->title(), QStringLiteral("Zodiac Compatibility"));
        QCOMPARE(screen->Frame1->title(), QStringLiteral("Your Zodiac Sign Details"));
        QCOMPARE(screen->Frame2->title(), QStringLiteral("Your Partner's Zodiac Sign Details"));
        QCOMPARE(screen->fraUserM->title(), QStringLiteral("Welcome"));
        QCOMPARE(screen->fraUserF->title(), QStringLiteral("Welcome"));
        QCOMPARE(screen->cmdSave->text(), QStringLiteral("&Save"));
        QCOMPARE(screen->cmdBack->text(), QStringLiteral("&Back"));
        QCOMPARE(screen->Label25->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                                "Get this software fully branded for your website. Click here for more details."));

        // Each box has its caption beside it, as the label's buddy.
        const QStringList captions{"Element",       "Ruling Planet", "Positive Traits",
                                   "Negative Traits", "Lucky Number", "Lucky Color",
                                   "Lucky Day",     "Compatibility", "Famous Personalities Born Under this Sign",
                                   "BirthStone",    "Quality"};
        for (const auto& [page, c] : {std::pair{screen->Frame1, screen->partnerM()}, std::pair{screen->Frame2, screen->partnerF()}}) {
            const QList<QWidget*> boxes{c.txtElement,     c.txtRulingPlanet, c.txtPositiveTraits, c.txtNegativeTraits,
                                        c.txtLuckyNumber, c.txtLuckyColor,   c.txtLuckyDay,       c.txtCompatibility,
                                        c.txtFamousPersons, c.txtBirthStone, c.txtQuality};
            QStringList seen;
            for (QLabel* label : page->findChildren<QLabel*>()) {
                const int at = boxes.indexOf(label->buddy());
                if (at >= 0) {
                    QCOMPARE(label->text(), captions[at]);
                    seen << label->text();
                }
            }
            QCOMPARE(seen.size(), 11);
            QStringList texts;
            for (QLabel* label : c.fraUser->findChildren<QLabel*>())
                texts << label->text();
            QVERIFY(texts.contains(QStringLiteral("Your Date of Birth")));
            QVERIFY(texts.contains(QStringLiteral("Your Zodiac Sign")));
        }
    }

    void picturesAreDrawnCrispAtTheirBoxSize()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Sagittarius"), under("Aquarius"));
        QVERIFY(screen);
        for (SignPictureLabel* picture : {screen->Image1, screen->picSunSignM}) {
            QCOMPARE(picture->pictureKey(), QStringLiteral("Sagittarius"));
            const QPixmap pixmap = picture->pixmap();
            QVERIFY(!pixmap.isNull());
            const qreal ratio = picture->devicePixelRatioF();
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
            const int side = qMin(picture->contentsRect().width(), picture->contentsRect().height());
            QCOMPARE(pixmap.size(), QSize(side, side) * ratio);
            // The badge fills the middle of the picture; the corners stay clear.
            const QImage image = pixmap.toImage();
            QVERIFY(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) == 255);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
        QCOMPARE(screen->Image2->pictureKey(), QStringLiteral("Aquarius"));
        QCOMPARE(screen->picSunSignF->pictureKey(), QStringLiteral("Aquarius"));
        // Two signs, two different pictures.
        QVERIFY(screen->Image1->pixmap().toImage() != screen->Image2->pixmap().toImage());
    }

    void theImageListHoldsTheTwelveSignsInOrder()
    {
        const SignImageList list;
        QCOMPARE(list.count(), 12);
        QStringList keys;
        for (int i = 0; i < list.count(); ++i)
            keys << list.key(i);
        QCOMPARE(keys, SignPictures::Keys());
        QCOMPARE(keys.first(), QStringLiteral("Aries"));
        QCOMPARE(keys.last(), QStringLiteral("Pisces"));
        for (const QString& key : keys) {
            QVERIFY2(list.find(key), qPrintable(key));
            QCOMPARE(SignPictures::ResourcePath(key), QStringLiteral(":/pictures/%1.svg").arg(key));
        }
        QVERIFY(!list.find(QString()));
        QVERIFY(!list.find(QStringLiteral("aries")));

        // A box given no picture keeps what it showed.
        SignPictureLabel box;
        box.resize(48, 48);
        box.setPicture(QStringLiteral("Leo"), list.find(QStringLiteral("Leo")));
        const QImage leo = box.pixmap().toImage();
        box.setPicture(QString(), list.find(QString()));
        QCOMPARE(box.pictureKey(), QStringLiteral("Leo"));
        QCOMPARE(box.pixmap().toImage(), leo);
        // Resizing a shown box draws the picture again at the new size.
        box.show();
        box.resize(80, 80);
        QCOMPARE(box.pixmap().size(), QSize(80, 80) * box.devicePixelRatioF());
    }

    void opensOnTheCompatibilityTabAndTabsBringTheirPageForward()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Taurus"));
        QVERIFY(screen);
        QCOMPARE(screen->TS->currentIndex(), 0);
        QVERIFY(screen->Frame3->isVisible());
        QVERIFY(!screen->Frame1->isVisible());
        QVERIFY(!screen->Frame2->isVisible());

        clickTab(screen->TS, 2);
        QCOMPARE(screen->TS->currentIndex(), 2);
        QVERIFY(screen->Frame2->isVisible());
        QVERIFY(!screen->Frame3->isVisible());
        QVERIFY(screen->txtElementF->isVisible());

        clickTab(screen->TS, 0);
        QVERIFY(screen->Frame3->isVisible());
        QVERIFY(!screen->Frame2->isVisible());

        clickTab(screen->TS, 1);
        QVERIFY(screen->Frame1->isVisible());
        QVERIFY(!screen->Frame3->isVisible());
        // Switching tabs changes nothing else.
        QCOMPARE(screen->lblMatchPercentage->text(), QStringLiteral("You Have A Match Of 40%"));
        QCOMPARE(screen->txtElementM->text(), QStringLiteral("Fire"));
    }

    void backOpensAFreshEntryScreen()
    {
        for (const char* how : {"button", "menu"}) {
            frmSunSignZodiacCompatibility* screen =
                result(BornOn(QStringLiteral("Ann"), QStringLiteral("June"), QStringLiteral("9"), QStringLiteral("1970")),
                       BornOn(QStringLiteral("Bob"), QStringLiteral("May"), QStringLiteral("30"), QStringLiteral("1975")));
            QVERIFY(screen);
            QPointer<frmSunSignZodiacCompatibility> watched(screen);
            if (QByteArray(how) == "button")
                QTest::mouseClick(screen->cmdBack, Qt::LeftButton);
            else
                screen->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
            Settle();
            QVERIFY2(!watched, how);
            frmMainZodiacCompatibility* entry = ZodiacEntry();
            QVERIFY2(entry, how);
            QVERIFY(entry->isVisible());
            QVERIFY(entry->txtNameM->text().isEmpty());
            QVERIFY(entry->txtNameF->text().isEmpty());
            for (QComboBox* list : {entry->cboMonthM, entry->cboMonthF})
                QCOMPARE(list->currentText(), QStringLiteral("January"));
            for (QComboBox* list : {entry->cboDateM, entry->cboDateF})
                QCOMPARE(list->currentText(), QStringLiteral("1"));
            for (QComboBox* list : {entry->cboYearM, entry->cboYearF})
                QCOMPARE(list->currentText(), QStringLiteral("1900"));
            QVERIFY(!m_main->isWelcomePanelVisible());
            entry->close();
            Settle();
        }
    }

    void saveHidesTheResultUntilTheReportCloses()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Leo"));
        QVERIFY(screen);
        clickTab(screen->TS, 2);
        QTest::mouseClick(screen->cmdSave, Qt::LeftButton);
        Settle();
        frmSaveZodiacCompatibility* report = ZodiacReport();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QCOMPARE(report->windowTitle(), QStringLiteral("Zel Zodiac Compatibility"));
        QCOMPARE(ZodiacResultScreen(), screen);
        QVERIFY(screen->isHidden());
        QVERIFY(!m_main->isWelcomePanelVisible());

        report->close();
        Settle();
        QVERIFY(!ZodiacReport());
        QCOMPARE(ZodiacResultScreen(), screen);
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->TS->currentIndex(), 2);
        QVERIFY(screen->Frame2->isVisible());
        QCOMPARE(screen->lblMatchPercentage->text(), QStringLiteral("You Have A Match Of 60%"));
        QVERIFY(!m_main->isWelcomePanelVisible());

        // Saving again opens a fresh report.
        QTest::mouseClick(screen->cmdSave, Qt::LeftButton);
        Settle();
        QVERIFY(ZodiacReport());
        QVERIFY(ZodiacReport()->isVisible());
        QVERIFY(screen->isHidden());
    }

    void exitClosesOnlyTheResult()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Leo"));
        QVERIFY(screen);
        QVERIFY(!m_main->isWelcomePanelVisible());
        QAction* exit = screen->findChild<QAction*>(QStringLiteral("mnuExit"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        exit->trigger();
        Settle();
        QVERIFY(!ZodiacResultScreen());
        QVERIFY(!ZodiacEntry());
        QVERIFY(m_main->isVisible());
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void menusOfTheScreen()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Leo"));
        QVERIFY(screen);
        QAction* back = screen->findChild<QAction*>(QStringLiteral("mnuBack"));
        QVERIFY(back);
        QCOMPARE(back->text(), QStringLiteral("&Back"));
        const QList<QAction*>& bar = screen->menuBarModel().actions();
        QVERIFY(bar.size() >= 3);
        QCOMPARE(bar.first()->text(), QStringLiteral("&File"));
        QCOMPARE(bar.first()->menu()->actions(), (QList<QAction*>{back, screen->findChild<QAction*>("mnuExit")}));
        QCOMPARE(bar.at(1)->text(), QStringLiteral("&Help"));
        QVERIFY(std::any_of(bar.begin(), bar.end(), [](QAction* a) { return a->text() == QStringLiteral("&Donate"); }));
    }

    void linksOpenTheirPages()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Leo"));
        QVERIFY(screen);
        const QList<std::pair<ClickableLabel*, QString>> links{{screen->lblHyperlink, QStringLiteral("home-page")},
                                                               {screen->Label24, QStringLiteral("home-page")},
                                                               {screen->Label25, QStringLiteral("fully-branded")}};
        for (const auto& [label, page] : links) {
            m_urls->clear();
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(m_urls->urls(), QList<QUrl>{PageUrl(page)});
        }
    }

    void zodiacButtonWhileTheReportIsOpenStartsAfresh()
    {
        frmSunSignZodiacCompatibility* screen = result(under("Aries"), under("Leo"));
        QVERIFY(screen);
        QTest::mouseClick(screen->cmdSave, Qt::LeftButton);
        Settle();
        QPointer<frmSaveZodiacCompatibility> report(ZodiacReport());
        QPointer<frmSunSignZodiacCompatibility> watched(screen);
        QVERIFY(report);

        frmMainZodiacCompatibility* entry = ClickZodiacButton(*m_main);
        Settle();
        QVERIFY(!report);
        QVERIFY(!watched);
        QVERIFY(entry);
        QCOMPARE(ZodiacEntry(), entry);
        QVERIFY(entry->isVisible());
        QVERIFY(entry->txtNameM->text().isEmpty());
        QVERIFY(!m_main->isWelcomePanelVisible());
    }

    void zodiacButtonWhileTheEntryIsOpenGivesAFreshEntry()
    {
        frmMainZodiacCompatibility* entry = ClickZodiacButton(*m_main);
        QVERIFY(entry);
        QTest::keyClicks(entry->txtNameM, QStringLiteral("Ann"));
        QPointer<frmMainZodiacCompatibility> first(entry);

        frmMainZodiacCompatibility* again = ClickZodiacButton(*m_main);
        Settle();
        QVERIFY(!first);
        QVERIFY(again);
        QCOMPARE(ZodiacEntry(), again);
        QVERIFY(again->isVisible());
        QVERIFY(again->txtNameM->text().isEmpty());
        QVERIFY(!m_main->isWelcomePanelVisible());
    }

    void aWholeRunThroughFromTheMainWindow()
    {
        QVERIFY(m_main->isWelcomePanelVisible());
        QCOMPARE(m_main->cmdSelectOption[3]->text(), QStringLiteral("&Zodiac"));
        frmSunSignZodiacCompatibility* screen =
            result(BornOn(QStringLiteral("Ann"), QStringLiteral("April"), QStringLiteral("2"), QStringLiteral("1990")),
                   BornOn(QStringLiteral("Bob"), QStringLiteral("August"), QStringLiteral("15"), QStringLiteral("1988")));
        QVERIFY(screen);
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(screen->lblMatchSunSigns->text(), QStringLiteral("Zodiac Compatibility: Aries And Leo"));
        QCOMPARE(screen->lblMatchPercentage->text(), QStringLiteral("You Have A Match Of 60%"));

        QTest::mouseClick(screen->cmdSave, Qt::LeftButton);
        Settle();
        frmSaveZodiacCompatibility* report = ZodiacReport();
        QVERIFY(report);
        const QString text = report->RTB->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Your Sun Sign Details\nElement: Fire\nRulling Planet: Mars\n")));
        QVERIFY(text.contains(QStringLiteral("\nYou Have A Match Of: 60%\nAn Easy Match\n\nYou And Your Partner: Aries And Leo\n")));
        QVERIFY(text.endsWith(pairText("Aries-Leo")));
        QVERIFY(!text.contains(QStringLiteral("Ann")));

        report->close();
        Settle();
        QVERIFY(screen->isVisible());
        QTest::mouseClick(screen->cmdBack, Qt::LeftButton);
        Settle();
        frmMainZodiacCompatibility* entry = ZodiacEntry();
        QVERIFY(entry);
        QVERIFY(!ZodiacResultScreen());
        QVERIFY(!m_main->isWelcomePanelVisible());

        QVERIFY(FillEntry(entry, under("Capricorn", QStringLiteral("Cy")), under("Cancer", QStringLiteral("Di"))));
        QTest::mouseClick(entry->cmdSunSign, Qt::LeftButton);
        Settle();
        screen = ZodiacResultScreen();
        QVERIFY(screen);
        QCOMPARE(screen->lblMatchPercentage->text(), QStringLiteral("Compatibility Of Capricorn With Cancer"));
        QCOMPARE(screen->lblMatchComment->text(), QStringLiteral("A Special Match"));
        screen->close();
        Settle();
        QVERIFY(m_main->isWelcomePanelVisible());
        QVERIFY(m_messages->texts().isEmpty());
    }
};

QTEST_MAIN(ResultScreenTest)
#include "tst_frmSunSignZodiacCompatibility.moc"
