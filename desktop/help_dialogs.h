#pragma once

class QWidget;

// The two entries of the "Pomoc" menu. Each call makes a new dialog owned by the window, shows
// it modally and destroys it once it is closed.
void show_description(QWidget* owner);
void show_about(QWidget* owner);
