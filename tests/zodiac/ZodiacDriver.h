#pragma once

// Drives the zodiac program the way a user does: the main window's "&Zodiac" button,
// typing names, picking dates and pressing the entry screen's button.
#include "tests/support/GuiTestSupport.h"
#include "zodiac/frmMainZodiacCompatibility.h"
#include "zodiac/frmSaveZodiacCompatibility.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

struct ZodiacPartner {
    QString name;
    QString month = QStringLiteral("January");
    QString day = QStringLiteral("1");
    QString year = QStringLiteral("1900");
};

inline frmMainZodiacCompatibility* ZodiacEntry()
{
    return ProgramWindows::Find<frmMainZodiacCompatibility>(ProgramWindowId::frmMainZodiacCompatibility);
}

inline frmSunSignZodiacCompatibility* ZodiacResultScreen()
{
    return ProgramWindows::Find<frmSunSignZodiacCompatibility>(ProgramWindowId::frmSunSignZodiacCompatibility);
}

inline frmSaveZodiacCompatibility* ZodiacReport()
{
    return ProgramWindows::Find<frmSaveZodiacCompatibility>(ProgramWindowId::frmSaveZodiacCompatibility);
}

// Lets windows that were closed be deleted, as the event loop does between two clicks.
inline void Settle()
{
    QTest::qWait(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline frmMainZodiacCompatibility* ClickZodiacButton(frmMDI& main)
{
    QTest::mouseClick(main.cmdSelectOption[3], Qt::LeftButton);
    return ZodiacEntry();
}

// Picks an item of a drop-down list; false when the list has no such item.
inline bool Pick(QComboBox* list, const QString& item)
{
    const int index = list->findText(item, Qt::MatchExactly);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return list->currentText() == item;
}

inline bool FillPartner(QLineEdit* name, QComboBox* month, QComboBox* day, QComboBox* year, const ZodiacPartner& p)
{
    name->clear();
    QTest::keyClicks(name, p.name);
    return name->text() == p.name && Pick(month, p.month) && Pick(day, p.day) && Pick(year, p.year);
}

inline bool FillEntry(frmMainZodiacCompatibility* entry, const ZodiacPartner& you, const ZodiacPartner& partner)
{
    return FillPartner(entry->txtNameM, entry->cboMonthM, entry->cboDateM, entry->cboYearM, you) &&
           FillPartner(entry->txtNameF, entry->cboMonthF, entry->cboDateF, entry->cboYearF, partner);
}

// From the main window to the result screen; nullptr if any step did not work.
inline frmSunSignZodiacCompatibility* OpenZodiacResult(frmMDI& main, const ZodiacPartner& you,
                                                       const ZodiacPartner& partner)
{
    frmMainZodiacCompatibility* entry = ClickZodiacButton(main);
    if (!entry || !FillEntry(entry, you, partner))
        return nullptr;
    QTest::mouseClick(entry->cmdSunSign, Qt::LeftButton);
    Settle();
    return ZodiacResultScreen();
}

// A partner born on the given day of the given month.
inline ZodiacPartner BornOn(const QString& name, const QString& month, const QString& day,
                            const QString& year = QStringLiteral("1980"))
{
    return {name, month, day, year};
}
