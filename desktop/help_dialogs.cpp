#include "desktop/help_dialogs.h"

#include "desktop/about_dialog.h"
#include "desktop/description_dialog.h"

void show_description(QWidget* owner, std::string_view language) {
    DescriptionDialog dialog(owner, language);
    dialog.exec();
}

void show_about(QWidget* owner, std::string_view language) {
    AboutDialog dialog(owner, language);
    dialog.exec();
}
