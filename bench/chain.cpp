// Times each program's road from its entry screen through the result to the report window,
// as a user would take it: fill the entries, press the action, open the report. Runs
// offscreen; prints the median of many runs per program.
#include "shell/Application.h"
#include "app/ProgramCatalog.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

template <class T>
T* control(ProgramWindowId window, const char* name)
{
    ProgramWindow* screen = ProgramWindows::Find(window);
    return screen ? screen->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

void type(ProgramWindowId window, const char* name, const QString& text)
{
    if (auto* box = control<QLineEdit>(window, name))
        box->setText(text);
}

void choose(ProgramWindowId window, const char* name, const QString& item)
{
    if (auto* list = control<QComboBox>(window, name))
        list->setCurrentIndex(list->findText(item));
}

void check(ProgramWindowId window, const char* name)
{
    if (auto* option = control<QRadioButton>(window, name))
        option->setChecked(true);
}

void press(ProgramWindowId window, const char* name)
{
    if (auto* button = control<QPushButton>(window, name))
        button->click();
}

struct Chain {
    const char* program;
    int button; // main window program button
    std::function<void()> run;
    ProgramWindowId report;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    frmMDI main;
    RegisterProgramWindows(main);
    main.resize(1400, 950);
    main.show();

    using Id = ProgramWindowId;
    const std::vector<Chain> chains{
        {"zodiac", 3,
         [] {
             type(Id::frmMainZodiacCompatibility, "txtNameM", QStringLiteral("Ann"));
             type(Id::frmMainZodiacCompatibility, "txtNameF", QStringLiteral("Bob"));
             choose(Id::frmMainZodiacCompatibility, "cboMonthM", QStringLiteral("March"));
             press(Id::frmMainZodiacCompatibility, "cmdSunSign");
             press(Id::frmSunSignZodiacCompatibility, "cmdSave");
         },
         Id::frmSaveZodiacCompatibility},
        {"chinese", 0,
         [] {
             type(Id::frmmainChineseZodiac, "txtMaleName", QStringLiteral("Ann"));
             type(Id::frmmainChineseZodiac, "txtFemaleName", QStringLiteral("Bob"));
             choose(Id::frmmainChineseZodiac, "cboMaleYear", QStringLiteral("1974"));
             press(Id::frmmainChineseZodiac, "cmdProceed");
             press(Id::frmchiness, "cmdPrint");
         },
         Id::frmSaveChineseZodiac},
        {"moon sign", 1,
         [] {
             const Id entry = Id::frmMainMoonSignCompatibility;
             for (const char* side : {"M", "F"}) {
                 const QString prefix = QStringLiteral("txt") + QLatin1String(side);
                 const auto field = [&](const char* name) { return (prefix + QLatin1String(name)).toLatin1(); };
                 type(entry, field("Name").constData(), QStringLiteral("ANN"));
                 for (const char* number : {"LD", "LM", "LoD", "LoM"})
                     type(entry, field(number).constData(), QStringLiteral("12"));
                 type(entry, field("City").constData(), QStringLiteral("PARIS"));
                 type(entry, field("State").constData(), QStringLiteral("ILE DE FRANCE"));
                 type(entry, field("Country").constData(), QStringLiteral("FRANCE"));
                 const QString opt = QStringLiteral("opt") + QLatin1String(side);
                 check(entry, (opt + QStringLiteral("North")).toLatin1().constData());
                 check(entry, (opt + QStringLiteral("East")).toLatin1().constData());
             }
             press(entry, "cmdCalculate");
             press(Id::frmMoonSign, "cmdPrint");
         },
         Id::frmSaveMoonSign},
        {"numerology", 2,
         [] {
             const Id entry = Id::frmMainMarriageCompatibility;
             type(entry, "txtMF", QStringLiteral("Ann"));
             type(entry, "txtML", QStringLiteral("Lee"));
             type(entry, "txtFF", QStringLiteral("Bob"));
             type(entry, "txtFL", QStringLiteral("Ray"));
             for (const char* list : {"cboMM", "cboFM"})
                 choose(entry, list, QStringLiteral("May"));
             for (const char* list : {"cboMD", "cboFD"})
                 choose(entry, list, QStringLiteral("5"));
             for (const char* list : {"cboMY", "cboFY"})
                 choose(entry, list, QStringLiteral("1985"));
             press(entry, "cmdCR");
         },
         Id::frmSaveDocumentMarriageCompatibility},
    };

    constexpr int kRuns = 30;
    int failures = 0;
    for (const Chain& chain : chains) {
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i) {
            main.OpenProgram(chain.button);
            QApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            chain.run();
            const bool reached = ProgramWindows::Find(chain.report) != nullptr;
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (!reached) {
                std::printf("%-10s did not reach its report window\n", chain.program);
                ++failures;
                break;
            }
            main.CloseProgramWindows();
            // Closed windows are deleted as the event loop would between two clicks.
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-10s entry -> result -> report: median %6.2f ms, slowest %6.2f ms (budget 20 ms)\n",
                    chain.program, times[times.size() / 2], times.back());
    }
    return failures;
}
