#pragma once

#include "dialogs/dialog_content.h"

#include <QFont>
#include <QStringList>

// The program's faces, tried in order: the face it was laid out for first, then its metric twin,
// then a plain face of the same kind, so the window and the dialogs resolve the same fonts.
QStringList font_families(FontRole role);

// A font of a role at a character height in pixels.
QFont pixel_font(FontRole role, int pixels, int weight = QFont::Normal);
QFont pixel_font(const FontSpec& wanted);
