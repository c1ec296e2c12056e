#include "desktop/about_dialog.h"

#include "desktop/dialog_parts.h"
#include "dialogs/dialog_content.h"

AboutDialog::AboutDialog(QWidget* owner, std::string_view language) : QDialog(owner) {
    build_dialog(this, about_dialog(language));
}
