#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string_view>

class BottomLineBevel;
class QDialog;
class QLabel;
class QPushButton;

// Pieces shared by the two help dialogs.

// A QString of program text kept as UTF-8.
QString qt_text(std::string_view text);

// The decorative vertical strip down the left edge of both dialogs, 57 x 329 pixels.
QPixmap make_side_strip();

// A font of the given pixel height that tries the families in order.
QFont pixel_font(const QStringList& families, int pixels, int weight = QFont::Normal);

// Font families tried in order: the program's own faces first, then their metric twins.
QStringList sans_families();   // Arial
QStringList serif_families();  // Times New Roman
QStringList heavy_families();  // Arial Black
QStringList dialog_families(); // MS Sans Serif

// The family title "Ostrada" at its place; the label grows to the right when the face at hand
// is wider than the one it was laid out for, so the word is never cut.
QLabel* make_family_title(QWidget* parent, int left, int top);

// The heading both dialogs share: the strip, "Ostrada", the subtitle, the bevel under them,
// "Ardenika" in blue and "Freeware" in red. Only their places and control names differ.
struct HeadingPlaces {
    QPoint title;
    QPoint subtitle;
    QPoint bevel;
    QPoint name;
    QPoint freeware;
};
struct HeadingNames {
    const char* strip;
    const char* title;
    const char* subtitle;
    const char* bevel;
    const char* name;
    const char* freeware;
};
struct DialogHeading {
    QLabel* strip;
    QLabel* title;
    QLabel* subtitle;
    BottomLineBevel* bevel;
    QLabel* name;
    QLabel* freeware;
};
DialogHeading make_heading(QWidget* dialog, const HeadingPlaces& at, const HeadingNames& names);

// The default "OK" button that closes the dialog with the result OK.
QPushButton* make_ok_button(QDialog* dialog, const QRect& place);

// A fixed-size dialog with only a close button in its title bar, centred on the screen.
void fix_dialog_frame(QDialog* dialog, int width, int height);

// A bevel showing only its bottom line: a shadow line over a highlight line.
class BottomLineBevel : public QWidget {
  public:
    explicit BottomLineBevel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
