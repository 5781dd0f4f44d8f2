#include "zodiac/frmSaveZodiacCompatibility.h"

#include "shell/Messages.h"
#include "zodiac/ZodiacReport.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"


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
    const auto* result =
        ProgramWindows::Find<frmSunSignZodiacCompatibility>(ProgramWindowId::frmSunSignZodiacCompatibility);
    ComposeZodiacReport(RTB, ReadZodiacReportSource(result));
    ShowFromTop();
}
