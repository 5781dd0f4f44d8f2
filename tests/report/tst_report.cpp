// The shared report behaviour: composing runs, Rich Text Format that an independent
// reader reads back, web links, saving and printing.
#include "report/ReportComposer.h"
#include "report/ReportFile.h"
#include "report/ReportLinks.h"
#include "report/ReportWindow.h"
#include "report/RtfWriter.h"
#include "report/modRTB.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/ReportTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include "report/ReportView.h"
#include <QTimer>

#include <sys/stat.h>

namespace {

struct Run {
    QString text;
    bool bold;
    QColor colour;
};

// The runs of a document, merged where neighbours share bold and colour, with "\n"
// between paragraphs.
QList<Run> runsOf(const QTextDocument& document)
{
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            if (runs.isEmpty())
                runs.append({QString(), false, QColor()});
            runs.last().text += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool bold = format.fontWeight() >= QFont::DemiBold;
            const QColor colour = format.foreground().color();
            const QString text = it.fragment().text();
            if (text.trimmed().isEmpty() && !runs.isEmpty()) {
                runs.last().text += text;
                continue;
            }
            if (!runs.isEmpty() && runs.last().bold == bold && runs.last().colour == colour)
                runs.last().text += text;
            else
                runs.append({text, bold, colour});
        }
    }
    return runs;
}

// A report window like the programs' own, with a report of three kinds of runs.
class SampleReport : public ReportWindow {
    Q_OBJECT
public:
    static inline QString body = QStringLiteral("Visit www.zel-compatibility.example/more today.");

    SampleReport()
        : ReportWindow({ProgramWindowId::frmSaveZodiacCompatibility, QStringLiteral("Sample Report"), QSize(7725, 7605),
                        ProgramWindowId::frmSunSignZodiacCompatibility, QStringLiteral("Zel Compatibility")})
    {
        ReportComposer composer(RTB);
        composer.setBold(true);
        composer.setColour(ReportColour::DarkMagenta);
        composer.write(QStringLiteral("Heading"));
        composer.setBold(false);
        composer.lineBreak();
        composer.setColour(ReportColour::DarkCyan);
        composer.write(QStringLiteral("Caption: "));
        composer.setColour(ReportColour::Black);
        composer.write(body);
    }
};

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Letters right after a non-ASCII character ("M\u00fcller") are where some readers lose text.
const QString kHostileText = QStringLiteral(u"Back\\slash {braces} \"quotes\" caf\u00e9 \u0416\u0438\u0437\u043d\u044c "
                                            u"\u05e9\u05dc\u05d5\u05dd \U0001F600 \u4e2d\u6587 M\u00fcller Stra\u00dfe");

} // namespace

class ReportTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init()
    {
        m_main = MakeMainWindow(nullptr);
        m_main->setWindowFactory(ProgramWindowId::frmSaveZodiacCompatibility, [] { return new SampleReport; });
    }

    void cleanup()
    {
        m_main.reset();
    }

    void composerWritesRunsAndLineBreaks()
    {
        ReportView view;
        ReportComposer composer(&view);
        composer.setBold(true);
        composer.setColour(ReportColour::DarkRed);
        composer.write(QStringLiteral("Title"));
        composer.setBold(false);
        composer.write(QStringLiteral("\r\n"));
        composer.setColour(ReportColour::Black);
        composer.write(QStringLiteral("one\r\ntwo"));
        composer.lineBreak(2);
        QCOMPARE(view.toPlainText(), QStringLiteral("Title\none\ntwo\n\n"));
        const QList<Run> runs = runsOf(*view.document());
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs[0].text, QStringLiteral("Title\n"));
        QVERIFY(runs[0].bold);
        QCOMPARE(runs[0].colour, ReportColour::DarkRed);
        QVERIFY(!runs[1].bold);
        QCOMPARE(runs[1].colour, ReportColour::Black);
    }

    void rtfReadsBackWithBoldColoursAndEveryCharacter()
    {
        ReportView view;
        view.document()->setDefaultFont(QFont(QStringLiteral("Verdana"), 9));
        ReportComposer composer(&view);
        composer.setBold(true);
        composer.setColour(ReportColour::DarkMagenta);
        composer.write(QStringLiteral("Your Sun Sign Details"));
        composer.setBold(false);
        composer.lineBreak();
        composer.setColour(ReportColour::DarkCyan);
        composer.write(QStringLiteral("Element: "));
        composer.setColour(ReportColour::Black);
        composer.write(kHostileText);

        const QByteArray rtf = DocumentToRtf(*view.document());
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("{\\colortbl ;"));
        QVERIFY(rtf.contains("\\red128\\green0\\blue128;"));
        QVERIFY(rtf.contains("\\fs18"));
        for (char c : rtf)
            QVERIFY2(uchar(c) < 0x80, "Rich Text Format output must be plain ASCII");

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("read back.rtf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rtf);
        file.close();

        const auto document = ReadRtfBack(path);
        QCOMPARE(document->toPlainText().trimmed(), QStringLiteral("Your Sun Sign Details\nElement: ") + kHostileText);
        const QList<Run> runs = runsOf(*document);
        QVERIFY(runs.size() >= 3);
        QCOMPARE(runs[0].text.trimmed(), QStringLiteral("Your Sun Sign Details"));
        QVERIFY(runs[0].bold);
        QCOMPARE(runs[0].colour, ReportColour::DarkMagenta);
        QCOMPARE(runs[1].text.trimmed(), QStringLiteral("Element:"));
        QVERIFY(!runs[1].bold);
        QCOMPARE(runs[1].colour, ReportColour::DarkCyan);
        QCOMPARE(runs[2].text.trimmed(), kHostileText);
        QCOMPARE(runs[2].colour, ReportColour::Black);
    }

    void emptyDocumentIsStillValidRtf()
    {
        QTextDocument empty;
        const QByteArray rtf = DocumentToRtf(empty);
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("{\\f0"));
        QCOMPARE(rtf.count('{'), rtf.count('}'));
    }

    void webAddressesAreFoundWithoutTrailingPunctuation()
    {
        const QList<LinkSpan> spans = FindWebAddresses(
            QStringLiteral("See www.a.example/x, then (https://b.example/p?q=1). Or http://c.example."));
        QCOMPARE(spans.size(), 3);
        QCOMPARE(spans[0].address, QStringLiteral("http://www.a.example/x"));
        QCOMPARE(spans[1].address, QStringLiteral("https://b.example/p?q=1"));
        QCOMPARE(spans[2].address, QStringLiteral("http://c.example"));
        QVERIFY(FindWebAddresses(QStringLiteral("file:///etc/passwd and mailto:a@b.example")).isEmpty());
        QVERIFY(IsWebAddress(QStringLiteral("https://b.example/p")));
        QVERIFY(!IsWebAddress(QStringLiteral("file:///etc/passwd")));
        QVERIFY(!IsWebAddress(QStringLiteral("javascript:alert(1)")));
    }

    void clickingALinkOpensExactlyItsAddress()
    {
        UrlCapture urls;
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        QVERIFY(report);
        QTest::qWait(20);
        ReportView* view = report->RTB;
        const int linkAt = int(view->toPlainText().indexOf(QStringLiteral("www.")) + 6);
        QTextCursor cursor(view->document());
        cursor.setPosition(linkAt);
        const QPoint onLink = view->cursorRect(cursor).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onLink);
        QCOMPARE(urls.urls(), QList<QUrl>{QUrl(QStringLiteral("http://www.zel-compatibility.example/more"))});

        urls.clear();
        cursor.setPosition(2); // in "Heading"
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(cursor).center());
        QVERIFY(urls.urls().isEmpty());
    }

    void onlyWebAddressesAreHandedToTheDesktop()
    {
        UrlCapture urls;
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        ReportView* view = report->RTB;
        QTextCursor cursor(view->document());
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorHref(QStringLiteral("file:///etc/passwd"));
        cursor.insertText(QStringLiteral(" LOCALFILE"), anchor);
        emit view->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
        QVERIFY(urls.urls().isEmpty());
    }

    void disablingLinksRestoresTheOriginalFormat()
    {
        ReportView view;
        ReportComposer composer(&view);
        composer.setColour(ReportColour::DarkCyan);
        composer.write(QStringLiteral("go to www.x.example now"));
        modRTB::EnableReportLinks(&view, &view);
        const int inside = 8;
        QTextCursor cursor(view.document());
        cursor.setPosition(inside + 1);
        QVERIFY(cursor.charFormat().isAnchor());
        modRTB::DisableReportLinks();
        cursor.setPosition(inside + 1);
        QVERIFY(!cursor.charFormat().isAnchor());
        QCOMPARE(cursor.charFormat().foreground().color(), ReportColour::DarkCyan);
        modRTB::DisableReportLinks(); // nothing enabled: nothing happens
    }

    void saveWritesRtfUnderTheChosenName()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        MessageLog messages;
        dialogs.saveAs = dir.filePath(QString::fromUtf8("Zodiac report f\u00fcr Ann.txt"));
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        QCOMPARE(dialogs.lastSaveTitle, QStringLiteral("Zel Compatibility"));
        QCOMPARE(dialogs.lastSaveFilter, QStringLiteral("Rich Text Format | *.rtf "));
        QCOMPARE(dialogs.lastDefaultSuffix, QStringLiteral("txt"));
        QFile file(dialogs.saveAs);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(ReadRtfBack(dialogs.saveAs)->toPlainText().trimmed(),
                 QStringLiteral("Heading\nCaption: ") + SampleReport::body);
    }

    void cancellingSaveWritesNothingAndSaysNothing()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        MessageLog messages;
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        report->Save();
        QCOMPARE(dialogs.saveDialogs, 1);
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void whatCannotBeWrittenIsNamedAndLeftAsItWas_data()
    {
        QTest::addColumn<QString>("name");  // chosen in a fresh folder
        QTest::addColumn<QString>("there"); // what is there already under that name
        QTest::addColumn<bool>("print");    // printed to a PDF file rather than saved
        QTest::addColumn<QString>("why");
        const QString longName = QString(246, u'n'); // + 4: its temporary name would be 257 bytes
        QTest::newRow("missing folder") << "no folder/report.rtf" << "" << false << "The folder does not exist.";
        QTest::newRow("pipe") << "report.rtf" << "pipe" << false << "It is a pipe, not a file.";
        QTest::newRow("folder, printed") << "report.pdf" << "folder" << true << "It is a folder, not a file.";
        QTest::newRow("device behind a link") << "report.rtf" << "/dev/null" << false
                                              << "It is a link to \"/dev/null\", a device, not a file.";
        QTest::newRow("link to itself") << "report.rtf" << "loop" << false << "It is a link that never reaches a file.";
        QTest::newRow("250-byte name") << longName + ".rtf" << "file" << false << "The name is too long for this folder.";
        QTest::newRow("250-byte name, printed") << longName + ".pdf" << "file" << true << "The name is too long for this folder.";
    }

    void whatCannotBeWrittenIsNamedAndLeftAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, there);
        QFETCH(bool, print);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QByteArray native = QFile::encodeName(path);
        QFile earlier(path);
        if (there == u"pipe")
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        else if (there == u"folder")
            QVERIFY(QDir().mkdir(path));
        else if (there == u"file")
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("the earlier report") && earlier.flush());
        else if (!there.isEmpty())
            QVERIFY(QFile::link(there == u"loop" ? path : there, path));
        struct stat before {}, after {};
        ::lstat(native.constData(), &before);

        FakeReportDialogs dialogs;
        MessageLog messages;
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        (print ? dialogs.pdfPath : dialogs.saveAs) = path;
        print ? report->Print() : report->Save();

        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].icon, MessageIcon::Error);
        const QString expected = QStringLiteral("The report could not be %1 \"%2\".\n%3 ")
                                     .arg(print ? "printed to" : "saved as", QDir::toNativeSeparators(path), why);
        QVERIFY2(messages.texts()[0].startsWith(expected), qPrintable(messages.texts()[0]));
        // Left as it was, and nothing else left behind.
        ::lstat(native.constData(), &after);
        QCOMPARE(after.st_mode, before.st_mode);
        if (there == u"file")
            QCOMPARE(ReadFile(path), QByteArray("the earlier report"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
                 there.isEmpty() ? 0 : 1);
    }

    void aLinkIsFollowedAndTheQuestionNamesItsFile()
    {
        for (const bool exists : {true, false}) { // the file the link leads to
            QTemporaryDir dir;
            const QString chosen = dir.filePath(QStringLiteral("report.rtf"));
            const QString real = dir.filePath(QStringLiteral("notes.txt"));
            QVERIFY(QFile::link(real, chosen) && (!exists || QFile(real).open(QIODevice::WriteOnly)));
            QCOMPARE(ReportFile::OverwriteQuestion(ReportFile::Resolve(chosen)),
                     QStringLiteral("\"report.rtf\" is a link to \"%1\".\n").arg(real)
                         + (exists ? QStringLiteral("Do you want to replace \"%1\"?")
                                   : QStringLiteral("Do you want to save the report as \"%1\"?")).arg(real));
            FakeReportDialogs dialogs;
            dialogs.saveAs = chosen;
            ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility)->Save();
            QVERIFY(ReadFile(real).startsWith("{\\rtf1"));
            QVERIFY(QFileInfo(chosen).isSymLink());
        }
    }

    void aFullDiskLeavesTheEarlierFileAsItWas_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<int>("readings"); // the report's length, in 16-character readings
        QTest::addColumn<int>("freeBytes");
        // 32 KB is more than Qt writes at once; 12 KB, about a real report, waits in Qt's write
        // buffer and fails only when it is flushed.
        for (int freeBytes : {0, 4096, 8192}) {
            QTest::addRow("save 32 KB, room for %d", freeBytes) << false << 2000 << freeBytes;
            QTest::addRow("save 12 KB, room for %d", freeBytes) << false << 700 << freeBytes;
        }
        QTest::newRow("print, no room") << true << 700 << 0;
        QTest::newRow("print, room for 8192") << true << 700 << 8192;
    }

    void aFullDiskLeavesTheEarlierFileAsItWas()
    {
        QFETCH(bool, print);
        QFETCH(int, readings);
        QFETCH(int, freeBytes);
        QTemporaryDir dir;
        const SmallDisk disk(dir.path(), QStringLiteral("size=128k"));
        SKIP_UNLESS_MOUNTED(disk);

        const QString path = dir.filePath(print ? QStringLiteral("old.pdf") : QStringLiteral("report.rtf"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("the earlier report");
        earlier.close();
        QVERIFY(disk.fill(freeBytes));

        FakeReportDialogs dialogs;
        MessageLog messages;
        (print ? dialogs.pdfPath : dialogs.saveAs) = path;
        const auto restoreBody = qScopeGuard([body = SampleReport::body] { SampleReport::body = body; });
        SampleReport::body = QStringLiteral("A long reading. ").repeated(readings);
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        print ? report->Print() : report->Save();

        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages()[0].icon, MessageIcon::Error);
        QVERIFY2(messages.texts()[0].endsWith(QStringLiteral("\"%1\".\nThe disk is full. Make room on it, or choose another disk.").arg(path)),
                 qPrintable(messages.texts()[0]));
        QCOMPARE(ReadFile(path), QByteArray("the earlier report"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void savingOverALongerFileReplacesItWhole()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.saveAs = dir.filePath(QStringLiteral("old.rtf"));
        QFile old(dialogs.saveAs);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        report->Save();
        QFile saved(dialogs.saveAs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray content = saved.readAll();
        QVERIFY(content.startsWith("{\\rtf1"));
        QVERIFY(!content.contains("xxxx"));
    }

    void realSaveDialogAppendsTxtAndAsksBeforeOverwriting()
    {
        QTemporaryDir dir;
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        QStringList filtersSeen;
        bool overwriteAsked = false;

        const auto answerDialog = [&](bool expectOverwrite) {
            QTimer::singleShot(200, this, [&, expectOverwrite] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                filtersSeen = dialog->nameFilters();
                dialog->setDirectory(dir.path());
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(QStringLiteral("my report"));
                if (expectOverwrite) {
                    QTimer::singleShot(200, this, [&] {
                        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                        QVERIFY(question);
                        overwriteAsked = question->text() == QStringLiteral("\"my report.txt\" already exists.\n"
                                                                            "Do you want to replace it?")
                                         && question->defaultButton() == question->button(QMessageBox::No);
                        question->button(QMessageBox::Yes)->click();
                    });
                }
                QTest::keyClick(name, Qt::Key_Return);
            });
        };

        answerDialog(false);
        report->Save();
        const QString expected = dir.filePath(QStringLiteral("my report.txt"));
        QVERIFY(QFile::exists(expected));
        QCOMPARE(filtersSeen, QStringList{QStringLiteral("Rich Text Format (*.rtf)")});
        QFile file(expected);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));

        answerDialog(true);
        report->Save();
        QVERIFY(overwriteAsked);

        // A folder that does not exist is refused in the dialog, which stays open to mend it.
        MessageLog messages;
        bool stayedOpen = false;
        QTimer::singleShot(200, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath()); // the folder last used
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(dir.filePath(QStringLiteral("no such folder/report")));
            QTest::keyClick(name, Qt::Key_Return);
            stayedOpen = dialog->isVisible();
            dialog->reject();
        });
        report->Save();
        QVERIFY(stayedOpen);
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts()[0].contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("no such folder")))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no such folder"))));
    }

    void realPrintDialogOffersNoPageRange()
    {
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        report->RTB->selectAll();
        QStringList offered;
        QStringList pageFieldsShown;
        QTimer::singleShot(200, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            for (auto* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == QLatin1String("&Options >>"))
                    button->click();
            }
            for (auto* choice : dialog->findChildren<QRadioButton*>()) {
                if (choice->isVisible() && choice->parentWidget()->objectName() == QLatin1String("gbPrintRange"))
                    offered.append(choice->text());
            }
            for (auto* field : dialog->findChildren<QWidget*>()) {
                if (field->isVisible() && QStringList{"from", "to", "pagesLineEdit"}.contains(field->objectName()))
                    pageFieldsShown.append(field->objectName());
            }
            dialog->close();
        });
        report->Print();
        QCOMPARE(offered, (QStringList{QStringLiteral("Print all"), QStringLiteral("Selection")}));
        QCOMPARE(pageFieldsShown, QStringList());
    }

    void printSettingsStayForTheWindowsNextPrint()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.pdfPath = dir.filePath(QStringLiteral("chosen.pdf"));
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        report->Print();
        QCOMPARE(dialogs.outputOnOpening, QString());
        report->Print();
        QCOMPARE(dialogs.outputOnOpening, dialogs.pdfPath);
    }

    void printsTheWholeReportWhenNothingIsSelected()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.fromPage = dialogs.toPage = 2; // a page range the dialog leaves behind
        dialogs.pdfPath = dir.filePath(QStringLiteral("whole.pdf"));
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
        QVERIFY(!dialogs.lastSelectionOffered);
        // Every page is printed, and the window's printer keeps no page range for its next print.
        QVERIFY(dialogs.printer->pageRanges().isEmpty());
        QCOMPARE(dialogs.printer->printRange(), QPrinter::AllPages);
        const QString text = PdfText(dialogs.pdfPath);
        QVERIFY2(text.contains(QStringLiteral("Heading")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Caption: Visit")));
        // The report's title is the printed document's name.
        QCOMPARE(PdfTitle(dialogs.pdfPath), QStringLiteral("Sample Report"));
    }

    void printsOnlyTheSelectionWhenThereIsOne()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.pdfPath = dir.filePath(QStringLiteral("selection.pdf"));
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        // Selected from the keyboard: to the second line, then a word with Shift held.
        report->RTB->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(report->RTB->textCursor().selectedText(), QStringLiteral("Caption"));
        report->Print();
        QVERIFY(dialogs.lastSelectionOffered);
        const QString text = PdfText(dialogs.pdfPath);
        QVERIFY2(text.startsWith(QStringLiteral("Caption")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Heading")));
        QVERIFY(!text.contains(QStringLiteral("Visit")));
    }

    void cancelledPrintDialogPrintsNothing()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.cancelPrint = true;
        dialogs.pdfPath = dir.filePath(QStringLiteral("never.pdf"));
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        report->Print();
        QCOMPARE(dialogs.printDialogs, 1);
        QVERIFY(!QFile::exists(dialogs.pdfPath));
    }

    void directPrintClearsTheSelectionAndPrintsEverything()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.pdfPath = dir.filePath(QStringLiteral("direct.pdf"));
        ReportView view;
        ReportComposer composer(&view);
        composer.write(QStringLiteral("First line\r\nSecond line"));
        QTextCursor cursor(view.document());
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        view.setTextCursor(cursor);
        modRTB::PrintReportDirect(&view, QStringLiteral("LifePath Compatibility"));
        QVERIFY(!view.textCursor().hasSelection());
        QCOMPARE(dialogs.directPrints, 1);
        const QString text = PdfText(dialogs.pdfPath);
        QVERIFY(text.contains(QStringLiteral("First line")));
        QVERIFY(text.contains(QStringLiteral("Second line")));
        QCOMPARE(PdfTitle(dialogs.pdfPath), QStringLiteral("LifePath Compatibility"));

        // Without a printer Qt prints nowhere, which is said.
        MessageLog messages;
        dialogs.pdfPath.clear();
        modRTB::PrintReportDirect(&view, QStringLiteral("LifePath Compatibility"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("The report could not be printed, because no printer was "
                                                              "found.\nAdd a printer, or print to a file.")});
    }

    void closingShowsTheWindowItCameFromAndDisablesLinks()
    {
        // A hidden window stands in for the result screen the report returns to.
        m_main->setWindowFactory(ProgramWindowId::frmSunSignZodiacCompatibility, [] {
            return new ProgramWindow(ProgramWindowId::frmSunSignZodiacCompatibility, QStringLiteral("Result"),
                                     QSize(3000, 3000));
        });
        ProgramWindow* result = ProgramWindows::Open(ProgramWindowId::frmSunSignZodiacCompatibility);
        result->hide();
        m_main->setWelcomePanelVisible(false);
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        const auto linkedText = [document = report->RTB->document()] {
            QString linked;
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    if (it.fragment().charFormat().isAnchor())
                        linked += it.fragment().text();
                }
            }
            return linked;
        };
        QCOMPARE(linkedText(), QStringLiteral("www.zel-compatibility.example/more"));
        QVERIFY(report->close());
        // Closed but not yet deleted: its address is plain text again.
        QCOMPARE(linkedText(), QString());
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmSaveZodiacCompatibility));
        QVERIFY(result->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
    }

    void reportWindowIsCentredAtTheTop()
    {
        auto* report = ProgramWindows::Open<SampleReport>(ProgramWindowId::frmSaveZodiacCompatibility);
        const int areaWidth = m_main->mdiArea()->viewport()->width();
        QCOMPARE(report->y(), 0);
        QVERIFY(qAbs(report->x() - (areaWidth - report->width()) / 2) <= 1);
    }

private:
    std::unique_ptr<frmMDI> m_main;
};

QTEST_MAIN(ReportTests)
#include "tst_report.moc"
