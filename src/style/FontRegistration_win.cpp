#include "FontRegistration.h"

// Tahoma is one of Windows' own fonts.
void FontRegistration::registerBundledFonts()
{}
