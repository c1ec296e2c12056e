#pragma once

#include "dialogs/dialog_content.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string_view>

class QDialog;

// Pieces shared by the two help dialogs.

// The decorative vertical strip down the left edge of both dialogs, 57 x 329 pixels.
QPixmap make_side_strip();

// The dialog's caption, font and controls, made in the content's order (which is the tab order,
// the first holding the focus), then fixed in size and centred on the screen.
void build_dialog(QDialog* dialog, const DialogContent& content);

// A bevel showing only its bottom line: a shadow line over a highlight line.
class BottomLineBevel : public QWidget {
  public:
    explicit BottomLineBevel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
