#pragma once

#include "app/form.h"
#include "dialogs/dialog_content.h"

#include <QFont>
#include <QStringList>

// The program's faces of a role, in the order they are tried.
QStringList font_families_of(FontRole role);

// A font of a role at a character height in pixels.
QFont pixel_font(FontRole role, int pixels, int weight = QFont::Normal);
QFont pixel_font(const FontSpec& wanted);
// The face of a control of the form tables, at the form's character height.
QFont control_font(ControlFont font);
