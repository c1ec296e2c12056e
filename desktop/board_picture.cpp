#include "desktop/board_picture.h"

#include "app/picture.h"
#include "app/tform1.h"
#include "app/words.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>
#include <array>

namespace {

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The scales offered, in the order of the dialog's file types.
constexpr std::array<int, 3> scales{1, 2, 4};

} // namespace

QImage board_image(const Canvas& board) {
    return QImage(reinterpret_cast<const uchar*>(board.data()), board.width(), board.height(),
                  board.width() * static_cast<int>(sizeof(Rgb)), QImage::Format_RGB32);
}

std::optional<QString> save_board_png(const Canvas& board, std::string_view description, int scale,
                                      const QString& path) {
    const QImage shared = board_image(board);
    // Whole factors with FastTransformation repeat each pixel exactly.
    QImage image = shared.scaled(shared.width() * scale, shared.height() * scale,
                                 Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Setting the text detaches the image from the canvas.
    image.setText(from_utf8(picture_text_key), from_utf8(description));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return writer.errorString();
    // Unbuffered, every short write is seen here: a buffered one cut short by a full disk or a
    // size limit would be committed as if whole. Writing on after it gives the system's reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    for (qint64 done = 0; done < png.size();) {
        const qint64 written = file.write(png.constData() + done, png.size() - done);
        if (written <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        done += written;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

std::optional<PictureTarget> ask_picture_target(QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const Words& w = words();
    const QStringList types{from_utf8(w.png_scale_1), from_utf8(w.png_scale_2),
                            from_utf8(w.png_scale_4)};
    QFileDialog dialog(parent, from_utf8(w.save_dialog_title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(types);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setDirectory(folder);
    dialog.selectFile(from_utf8(picture_file_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const auto type = types.indexOf(dialog.selectedNameFilter());
    return PictureTarget{dialog.selectedFiles().constFirst(),
                         scales[static_cast<std::size_t>(std::max<qsizetype>(type, 0))]};
}

PictureCommands::PictureCommands(const TForm1& logic, QWidget* board, WindowPort& errors)
    : QObject(board), logic_(logic), errors_(errors) {
    copy = new QAction(from_utf8(words().copy_picture), this);
    copy->setShortcut(QKeySequence::Copy);
    save = new QAction(from_utf8(words().save_picture), this);
    save->setShortcut(QKeySequence::Save);
    connect(copy, &QAction::triggered, this, [this] { copy_picture(); });
    connect(save, &QAction::triggered, this, [this] { save_picture(); });
    board->addActions({copy, save});
    board->setContextMenuPolicy(Qt::ActionsContextMenu);
    choose_target = [board] { return ask_picture_target(board->window()); };
}

void PictureCommands::copy_picture() const {
    QGuiApplication::clipboard()->setImage(board_image(logic_.board()).copy());
}

void PictureCommands::save_picture() const {
    const std::optional<PictureTarget> target = choose_target();
    if (!target) return;
    const std::optional<QString> failure =
        save_board_png(logic_.board(), logic_.picture_description(), target->scale, target->path);
    if (!failure) return;
    errors_.show_error(
        fill(words().save_failed,
             {QDir::toNativeSeparators(target->path).toStdString(), failure->toStdString()}));
}
