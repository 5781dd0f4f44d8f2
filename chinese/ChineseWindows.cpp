#include "chinese/ChineseWindows.h"

#include "chinese/frmSaveChineseZodiac.h"
#include "chinese/frmchiness.h"
#include "chinese/frmmainChineseZodiac.h"
#include "shell/frmMDI.h"

void RegisterChineseWindows(frmMDI& main)
{
    using Id = ProgramWindowId;
    main.setWindowFactory(Id::frmmainChineseZodiac, [] { return new frmmainChineseZodiac; });
    main.setWindowFactory(Id::frmchiness, [] { return new frmchiness; });
    main.setWindowFactory(Id::frmSaveChineseZodiac, [] { return new frmSaveChineseZodiac; });
}
