#pragma once

#include "app/window_logic.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

class QAction;
class QMimeData;
class QWidget;

// The board's pixels as an image that shares the canvas's memory: copy it to keep it.
QImage board_image(const Canvas& board);

// Bytes for a file, or why there are none.
struct PngBytes {
    QByteArray bytes;
    std::optional<QString> failure;
};

// The board as a PNG, as the window shows it (measuring points included): each board pixel a square
// of scale x scale pixels, no smoothing, with the logic's description and setup in its text chunks.
PngBytes board_png(const WindowLogic& logic, int scale);

// board_png written by save_file.
std::optional<QString> save_board_png(const WindowLogic& logic, int scale, const QString& path);
// The bytes written through QSaveFile, so a failure leaves an old file as it was and no part of
// a new one. Returns the reason of a failure, or nothing.
std::optional<QString> save_file(const QString& path, const QByteArray& bytes);

// A picture file's bytes: at most png_max_file + 1 of them, so that the logic refuses a larger
// file without it being read whole. Only a regular file is read: a folder, a device or a pipe
// could not be a picture, and a pipe would hold the window until someone writes to it.
PngBytes read_picture_file(const QString& path, const Words& w = words());

// Where and how large to save the picture.
struct PictureTarget {
    QString path;
    int scale = 1;
};

// The desktop's save dialog in the Pictures folder, named "ardenika.png", PNG at 1x, 2x or 4x;
// it asks before overwriting. Nothing when cancelled.
// Where to save, asked in the desktop's save dialog: the file and the index of the type chosen,
// or nothing when cancelled. It starts in the user's pictures folder, or documents, offering the
// name; a suffix given is added to a name without one.
std::optional<std::pair<QString, int>> ask_save_target(QWidget* parent, const QString& title,
                                                       const QStringList& types,
                                                       const QString& name, bool pictures,
                                                       const QString& suffix = {});
std::optional<PictureTarget> ask_picture_target(QWidget* parent, const Words& w = words());
// The desktop's open dialog for an existing PNG, starting where the save dialog does. Nothing
// when cancelled.
std::optional<QString> ask_picture_source(QWidget* parent, const Words& w = words());

// What a paste or a drop brings to open: one local file, a PNG's bytes, or text that may hold a
// setup or a link.
struct BoardSource {
    enum class Kind { file, png, text };
    Kind kind = Kind::text;
    QString path_or_text;
    QByteArray png;
};
// Whether the data hold something to open, judged by their formats alone, as a drag entering
// the window shows them: exactly one local file, or else a PNG, another image or text.
bool may_hold_board(const QMimeData& data);
// The one local file; else a PNG that carries a setup; else the text; else any picture, which
// the logic then refuses with its reason. Nothing when the data hold none of these, or several
// local files.
std::optional<BoardSource> board_source(const QMimeData& data);

// "Kopiuj obraz", "Zapisz obraz…" and "Otwórz obraz…" of the board's context menu, Ctrl+C,
// Ctrl+S and Ctrl+O; paste with Ctrl+V anywhere in the window; and opening what is dropped.
class PictureCommands final : public QObject {
  public:
    // The actions go into the board's context menu, the paste action onto its window; their
    // shortcuts work anywhere in the window. shown runs after the logic opened a board, to
    // mirror the window.
    PictureCommands(WindowLogic& logic, QWidget* board, Screen& errors,
                    std::function<void()> shown);

    void copy_picture() const;
    void save_picture() const;
    void open_picture();
    void open_file(const QString& path);
    void open_source(const BoardSource& source);
    void paste_board();
    // The actions' captions in the window's language.
    void show_words();

    QAction* copy = nullptr;
    QAction* save = nullptr;
    QAction* open = nullptr;
    QAction* paste = nullptr;
    // Ask where to save and what to open; the real dialogs unless replaced.
    std::function<std::optional<PictureTarget>()> choose_target;
    std::function<std::optional<QString>()> choose_source;

  private:
    WindowLogic& logic_;
    Screen& errors_;
    std::function<void()> shown_;
};
