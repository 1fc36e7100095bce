// Selecting German changes the chart library for the whole test program: tests that select it put
// English back with this. Header only, for the test programs that link the chart editor.
#pragma once

#include "PlotConst.h"
#include "PlotProCo.h"
#include "PlotTranslate.h"

inline void restoreEnglishLibrary()
{
    PlotTranslate::PlotCurrentLanguage = nullptr;
    PlotTranslate::PlotHotkeyAfterText = false;
    PlotConst::SetLibraryMessages();
    PlotProCo::SetGalleryTexts();
}
