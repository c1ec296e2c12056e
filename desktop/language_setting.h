#pragma once

#include "app/words.h"

// The language chosen last in the window, kept in the user's settings between runs; Polish
// when none was chosen or the setting names no language of the window's.
Language remembered_language();
void remember_language(Language language);
