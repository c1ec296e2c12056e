#include "desktop/board_picture.h"

#include "app/picture.h"
#include "app/png_text.h"
#include "app/window_logic.h"
#include "app/words.h"
#include "desktop/qt_text.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <array>
#include <span>

namespace {

std::span<const unsigned char> as_bytes(const QByteArray& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// The scales offered, in the order of the dialog's file types.
constexpr std::array<int, 3> scales{1, 2, 4};

const QString png_type = QStringLiteral("image/png");

// Where the picture's file dialogs start, and the tables' and the plot's.
QString user_folder(QStandardPaths::StandardLocation kind) {
    QString folder = QStandardPaths::writableLocation(kind);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder;
}
QString pictures_folder() {
    return user_folder(QStandardPaths::PicturesLocation);
}

QStringList local_files(const QMimeData& data) {
    QStringList files;
    if (!data.hasUrls()) return files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

PngBytes encode_png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return {{}, writer.errorString()};
    return {png, std::nullopt};
}

} // namespace

QImage board_image(const Canvas& board) {
    return QImage(reinterpret_cast<const uchar*>(board.data()), board.width(), board.height(),
                  board.width() * static_cast<int>(sizeof(Rgb)), QImage::Format_RGB32);
}

PngBytes board_png(const WindowLogic& logic, int scale) {
    const QImage shared = board_image(logic.shown_board());
    // Whole factors with FastTransformation repeat each pixel exactly.
    const QImage image = shared.scaled(shared.width() * scale, shared.height() * scale,
                                       Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const PngBytes png = encode_png(image);
    if (png.failure) return png;
    const std::vector<unsigned char> with_texts = logic.with_picture_texts(as_bytes(png.bytes));
    // A picture without its texts would not say what it shows nor open again.
    if (with_texts.empty()) return {{}, qt_text(logic.words().picture_texts_failed)};
    return {QByteArray(reinterpret_cast<const char*>(with_texts.data()),
                       static_cast<qsizetype>(with_texts.size())),
            std::nullopt};
}

std::optional<QString> save_board_png(const WindowLogic& logic, int scale, const QString& path) {
    const PngBytes png = board_png(logic, scale);
    if (png.failure) return png.failure;
    return save_file(path, png.bytes);
}

std::optional<QString> save_file(const QString& path, const QByteArray& bytes) {
    // Unbuffered, every short write is seen here: a buffered one cut short by a full disk or a
    // size limit would be committed as if whole. Writing on after it gives the system's reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
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

PngBytes read_picture_file(const QString& path, const Words& w) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return {{}, qt_text(w.not_a_file)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
    const qint64 most = static_cast<qint64>(png_max_file) + 1;
    QByteArray bytes;
    while (bytes.size() < most) {
        const QByteArray more = file.read(most - bytes.size());
        if (more.isEmpty()) break;
        bytes += more;
    }
    if (file.error() != QFileDevice::NoError) return {{}, file.errorString()};
    return {bytes, std::nullopt};
}

std::optional<std::pair<QString, int>> ask_save_target(QWidget* parent, const QString& title,
                                                       const QStringList& types,
                                                       const QString& name, bool pictures,
                                                       const QString& suffix) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(types);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(pictures ? pictures_folder()
                                 : user_folder(QStandardPaths::DocumentsLocation));
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::pair{
        dialog.selectedFiles().constFirst(),
        static_cast<int>(std::max<qsizetype>(types.indexOf(dialog.selectedNameFilter()), 0))};
}

std::optional<PictureTarget> ask_picture_target(QWidget* parent, const Words& w) {
    const auto target =
        ask_save_target(parent, qt_text(w.save_dialog_title),
                        {qt_text(w.png_scale_1), qt_text(w.png_scale_2), qt_text(w.png_scale_4)},
                        qt_text(picture_file_name), true, QStringLiteral("png"));
    if (!target) return std::nullopt;
    return PictureTarget{target->first, scales[static_cast<std::size_t>(target->second)]};
}

std::optional<QString> ask_picture_source(QWidget* parent, const Words& w) {
    QFileDialog dialog(parent, qt_text(w.open_dialog_title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qt_text(w.png_files));
    dialog.setDirectory(pictures_folder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool may_hold_board(const QMimeData& data) {
    const qsizetype files = local_files(data).size();
    if (files > 0) return files == 1;
    return data.hasText() || data.hasFormat(png_type) || data.hasImage();
}

std::optional<BoardSource> board_source(const QMimeData& data) {
    using Kind = BoardSource::Kind;
    const QStringList files = local_files(data);
    if (files.size() > 1) return std::nullopt;
    if (files.size() == 1) return BoardSource{Kind::file, files.constFirst(), {}};
    // Text beside a picture may be anything (a spreadsheet's cell, an address): a picture that
    // carries a board is what was meant, then the text.
    const QByteArray png = data.hasFormat(png_type) ? data.data(png_type) : QByteArray();
    if (!png.isEmpty() && read_text_chunk(as_bytes(png), setup_text_key))
        return BoardSource{Kind::png, {}, png};
    if (data.hasText()) return BoardSource{Kind::text, data.text(), {}};
    if (!png.isEmpty()) return BoardSource{Kind::png, {}, png};
    // Any other picture, as a PNG, for the logic to say why it holds no board.
    if (data.hasImage()) {
        const PngBytes encoded = encode_png(qvariant_cast<QImage>(data.imageData()));
        if (!encoded.failure) return BoardSource{Kind::png, {}, encoded.bytes};
    }
    return std::nullopt;
}

PictureCommands::PictureCommands(WindowLogic& logic, QWidget* board, Screen& errors,
                                 std::function<void()> shown)
    : QObject(board), logic_(logic), errors_(errors), shown_(std::move(shown)) {
    copy = new QAction(this);
    copy->setShortcuts(QKeySequence::Copy);
    save = new QAction(this);
    save->setShortcuts(QKeySequence::Save);
    open = new QAction(this);
    open->setShortcuts(QKeySequence::Open);
    paste = new QAction(this);
    paste->setShortcuts(QKeySequence::Paste);
    show_words();
    connect(copy, &QAction::triggered, this, [this] { copy_picture(); });
    connect(save, &QAction::triggered, this, [this] { save_picture(); });
    connect(open, &QAction::triggered, this, [this] { open_picture(); });
    connect(paste, &QAction::triggered, this, [this] { paste_board(); });
    board->addActions({copy, save, open});
    board->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Paste is no command of the picture: it works in the window, outside the board's menu.
    board->window()->addAction(paste);
    choose_target = [this, board] { return ask_picture_target(board->window(), logic_.words()); };
    choose_source = [this, board] { return ask_picture_source(board->window(), logic_.words()); };
}

void PictureCommands::show_words() {
    const Words& w = logic_.words();
    copy->setText(qt_text(w.copy_picture));
    save->setText(qt_text(w.save_picture));
    open->setText(qt_text(w.open_picture));
    paste->setText(qt_text(w.paste_board));
}

void PictureCommands::copy_picture() const {
    auto* data = new QMimeData;
    data->setImageData(board_image(logic_.shown_board()).copy());
    // The saved picture's PNG too, so that a paste, here or in another program, keeps what it
    // shows and the board it was made from.
    const PngBytes png = board_png(logic_, 1);
    if (!png.failure) data->setData(png_type, png.bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

void PictureCommands::save_picture() const {
    const std::optional<PictureTarget> target = choose_target();
    if (!target) return;
    const std::optional<QString> failure = save_board_png(logic_, target->scale, target->path);
    if (!failure) return;
    errors_.show_error(
        fill(logic_.words().save_failed,
             {QDir::toNativeSeparators(target->path).toStdString(), failure->toStdString()}));
}

void PictureCommands::open_picture() {
    if (const std::optional<QString> path = choose_source()) open_file(*path);
}

void PictureCommands::open_file(const QString& path) {
    const PngBytes file = read_picture_file(path, logic_.words());
    if (file.failure) {
        errors_.show_error(
            fill(logic_.words().read_failed,
                 {QDir::toNativeSeparators(path).toStdString(), file.failure->toStdString()}));
        return;
    }
    logic_.open_picture(as_bytes(file.bytes));
    shown_();
}

void PictureCommands::open_source(const BoardSource& source) {
    switch (source.kind) {
    case BoardSource::Kind::file:
        open_file(source.path_or_text);
        return;
    case BoardSource::Kind::png:
        logic_.open_picture(as_bytes(source.png));
        break;
    case BoardSource::Kind::text:
        logic_.open_setup(source.path_or_text.toStdString());
        break;
    }
    shown_();
}

void PictureCommands::paste_board() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) return;
    if (const std::optional<BoardSource> source = board_source(*data)) open_source(*source);
}
