#pragma once

#include "app/tform1.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

class QAction;
class QWidget;

// The board's pixels as an image that shares the canvas's memory: copy it to keep it.
QImage board_image(const Canvas& board);

// The board as a PNG: each board pixel a square of scale x scale pixels, no smoothing, and the
// description in the text chunk "Description". Written through QSaveFile, so a failure leaves an
// old file as it was and no part of a new one. Returns the reason of a failure, or nothing.
std::optional<QString> save_board_png(const Canvas& board, std::string_view description, int scale,
                                      const QString& path);

// Where and how large to save the picture.
struct PictureTarget {
    QString path;
    int scale = 1;
};

// The desktop's save dialog in the Pictures folder, named "ardenika.png", PNG at 1x, 2x or 4x;
// it asks before overwriting. Nothing when cancelled.
std::optional<PictureTarget> ask_picture_target(QWidget* parent);

// "Kopiuj obraz" and "Zapisz obraz…": the board's context menu, Ctrl+C and Ctrl+S.
class PictureCommands final : public QObject {
  public:
    // The actions go into the board's context menu; their shortcuts work anywhere in its window.
    PictureCommands(const TForm1& logic, QWidget* board, WindowPort& errors);

    void copy_picture() const;
    void save_picture() const;

    QAction* copy = nullptr;
    QAction* save = nullptr;
    // Asks where to save; the real dialog unless replaced.
    std::function<std::optional<PictureTarget>()> choose_target;

  private:
    const TForm1& logic_;
    WindowPort& errors_;
};
