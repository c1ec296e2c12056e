#include "desktop/about_dialog.h"

#include "desktop/dialog_parts.h"
#include "dialogs/dialog_content.h"

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    build_dialog(this, about_dialog());
}
