#include "desktop/help_dialogs.h"

#include "desktop/about_dialog.h"
#include "desktop/description_dialog.h"

void show_description(QWidget* owner) {
    DescriptionDialog dialog(owner);
    dialog.exec();
}

void show_about(QWidget* owner) {
    AboutDialog dialog(owner);
    dialog.exec();
}
