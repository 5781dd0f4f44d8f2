#include "tests/support/ProgramDriver.h"

#include "chinese/frmchiness.h"
#include "chinese/frmmainChineseZodiac.h"
#include "moon/frmMainMoonSignCompatibility.h"
#include "moon/frmMoonSign.h"
#include "numerology/frmMainMarriageCompatibility.h"
#include "shell/frmMDI.h"
#include "zodiac/frmMainZodiacCompatibility.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

constexpr ProgramWindowId kEntry[] = {ProgramWindowId::frmmainChineseZodiac, ProgramWindowId::frmMainMoonSignCompatibility,
                                      ProgramWindowId::frmMainMarriageCompatibility,
                                      ProgramWindowId::frmMainZodiacCompatibility};

int indexOf(Program program)
{
    return static_cast<int>(program);
}

void type(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

void click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    SettleWindows();
}

void fillMoonPartner(QLineEdit* name, const QString& text, std::initializer_list<QLineEdit*> place,
                     std::initializer_list<QRadioButton*> directions)
{
    type(name, text);
    for (QLineEdit* field : place)
        field->setText(field->maxLength() == 3 ? QStringLiteral("12") : QStringLiteral("PARIS"));
    for (QRadioButton* direction : directions)
        direction->setChecked(true);
}

} // namespace

QString ProgramName(Program program)
{
    const char* const names[] = {"Chinese", "Moon", "Numerology", "Zodiac"};
    return QString::fromLatin1(names[indexOf(program)]);
}

void SettleWindows()
{
    QTest::qWait(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ProgramWindow* OpenFilledEntry(frmMDI& main, Program program, const QString& nameM, const QString& nameF)
{
    click(main.cmdSelectOption[indexOf(program)]);
    ProgramWindow* entry = ProgramWindows::Find(kEntry[indexOf(program)]);
    if (auto* zodiac = qobject_cast<frmMainZodiacCompatibility*>(entry)) {
        type(zodiac->txtNameM, nameM);
        type(zodiac->txtNameF, nameF);
    } else if (auto* chinese = qobject_cast<frmmainChineseZodiac*>(entry)) {
        type(chinese->txtMaleName, nameM);
        type(chinese->txtFemaleName, nameF);
    } else if (auto* moon = qobject_cast<frmMainMoonSignCompatibility*>(entry)) {
        fillMoonPartner(moon->txtMName, nameM,
                        {moon->txtMLD, moon->txtMLM, moon->txtMLoD, moon->txtMLoM, moon->txtMCity, moon->txtMState,
                         moon->txtMCountry},
                        {moon->optMNorth, moon->optMEast});
        fillMoonPartner(moon->txtFName, nameF,
                        {moon->txtFLD, moon->txtFLM, moon->txtFLoD, moon->txtFLoM, moon->txtFCity, moon->txtFState,
                         moon->txtFCountry},
                        {moon->optFNorth, moon->optFEast});
    } else if (auto* numerology = qobject_cast<frmMainMarriageCompatibility*>(entry)) {
        type(numerology->txtMF, nameM);
        type(numerology->txtML, QStringLiteral("Smith"));
        type(numerology->txtFF, nameF);
        type(numerology->txtFL, QStringLiteral("Jones"));
        for (QComboBox* list : {numerology->cboMD, numerology->cboMM, numerology->cboMY, numerology->cboFD,
                                numerology->cboFM, numerology->cboFY})
            list->setCurrentIndex(2);
    }
    return entry;
}

ProgramWindow* OpenResult(frmMDI& main, Program program, const QString& nameM, const QString& nameF)
{
    ProgramWindow* entry = OpenFilledEntry(main, program, nameM, nameF);
    if (auto* zodiac = qobject_cast<frmMainZodiacCompatibility*>(entry)) {
        click(zodiac->cmdSunSign);
        return ProgramWindows::Find(ProgramWindowId::frmSunSignZodiacCompatibility);
    }
    if (auto* chinese = qobject_cast<frmmainChineseZodiac*>(entry)) {
        click(chinese->cmdProceed);
        return ProgramWindows::Find(ProgramWindowId::frmchiness);
    }
    if (auto* moon = qobject_cast<frmMainMoonSignCompatibility*>(entry)) {
        click(moon->cmdCalculate);
        return ProgramWindows::Find(ProgramWindowId::frmMoonSign);
    }
    if (auto* numerology = qobject_cast<frmMainMarriageCompatibility*>(entry)) {
        click(numerology->cmdLP);
        return ProgramWindows::Find(ProgramWindowId::frmDispMarriageCompatibility);
    }
    return nullptr;
}

ProgramWindow* OpenReport(frmMDI& main, Program program, const QString& nameM, const QString& nameF)
{
    if (program == Program::Numerology) {
        auto* entry = qobject_cast<frmMainMarriageCompatibility*>(OpenFilledEntry(main, program, nameM, nameF));
        if (!entry)
            return nullptr;
        click(entry->cmdCR);
        return ProgramWindows::Find(ProgramWindowId::frmSaveDocumentMarriageCompatibility);
    }
    ProgramWindow* result = OpenResult(main, program, nameM, nameF);
    if (auto* zodiac = qobject_cast<frmSunSignZodiacCompatibility*>(result)) {
        click(zodiac->cmdSave);
        return ProgramWindows::Find(ProgramWindowId::frmSaveZodiacCompatibility);
    }
    if (auto* chinese = qobject_cast<frmchiness*>(result)) {
        click(chinese->cmdPrint);
        return ProgramWindows::Find(ProgramWindowId::frmSaveChineseZodiac);
    }
    if (auto* moon = qobject_cast<frmMoonSign*>(result)) {
        click(moon->cmdPrint);
        return ProgramWindows::Find(ProgramWindowId::frmSaveMoonSign);
    }
    return nullptr;
}

QString ScreenName(Screen screen)
{
    const char* const names[] = {"entry", "result", "report"};
    return QString::fromLatin1(names[static_cast<int>(screen)]);
}

ProgramWindow* OpenScreen(frmMDI& main, Program program, Screen screen, const QString& nameM, const QString& nameF)
{
    switch (screen) {
    case Screen::Entry:
        return OpenFilledEntry(main, program, nameM, nameF);
    case Screen::Result:
        return OpenResult(main, program, nameM, nameF);
    case Screen::Report:
        return OpenReport(main, program, nameM, nameF);
    }
    return nullptr;
}
