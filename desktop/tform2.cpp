#include "desktop/tform2.h"

#include "desktop/dialog_parts.h"
#include "dialogs/dialog_content.h"

Tform2::Tform2(QWidget* owner) : QDialog(owner) {
    build_dialog(this, about_dialog());
}
