#include "zodiac/frmSaveZodiacCompatibility.h"

#include "shell/Messages.h"
#include "zodiac/ZodiacReport.h"

frmSaveZodiacCompatibility::frmSaveZodiacCompatibility()
    : ReportWindow(Options{
          ProgramWindowId::frmSaveZodiacCompatibility,
          QStringLiteral("Zel Zodiac Compatibility"),
          QSize(7725, 7605),
          ProgramWindowId::frmSunSignZodiacCompatibility,
          ApplicationTitle,
          9.75,
          true,
      })
{
}

void frmSaveZodiacCompatibility::ShowReport(const ZodiacResult& result)
{
    RTB->clear();
    ComposeZodiacReport(RTB, result);
    ShowFromTop();
}
