#include "dialogs/help_dialogs.h"

#include "dialogs/tform2.h"
#include "dialogs/tform3.h"

void show_description(QWidget* owner) {
    Tform3 dialog(owner);
    dialog.exec();
}

void show_about(QWidget* owner) {
    Tform2 dialog(owner);
    dialog.exec();
}
