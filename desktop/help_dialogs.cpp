#include "desktop/help_dialogs.h"

#include "desktop/tform2.h"
#include "desktop/tform3.h"

void show_description(QWidget* owner) {
    Tform3 dialog(owner);
    dialog.exec();
}

void show_about(QWidget* owner) {
    Tform2 dialog(owner);
    dialog.exec();
}
