// Copying and saving the board: its exact pixels, the text that says what it shows, and failures
// that keep an old file and leave no new one.
#include "window_fixture.h"

#include "desktop/board_picture.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

// The text of the PNG's iTXt chunk with this key, inflated when compressed: what Qt writes for
// text beyond Latin-1. Qt's own reader folds the line breaks into spaces.
std::optional<QString> itxt(const QByteArray& png, const QByteArray& key) {
    auto number = [&png](qsizetype at) { return qFromBigEndian<quint32>(png.constData() + at); };
    for (qsizetype at = 8; at + 12 <= png.size(); at += 12 + number(at)) {
        const QByteArray body = png.mid(at + 8, number(at));
        if (png.mid(at + 4, 4) != "iTXt" || !body.startsWith(key + '\0')) continue;
        // keyword, compressed flag, method, language tag, translated keyword, text
        qsizetype field = key.size() + 1;
        const bool compressed = body[field] != 0;
        field = body.indexOf('\0', field + 2) + 1;
        field = body.indexOf('\0', field) + 1;
        QByteArray text = body.mid(field);
        if (compressed) {
            QByteArray sized(4, '\0');
            qToBigEndian<quint32>(static_cast<quint32>(text.size() * 8), sized.data());
            text = qUncompress(sized + text);
        }
        return QString::fromUtf8(text);
    }
    return std::nullopt;
}

} // namespace

class Picture : public Window {
  protected:
    // Saves through the window's command as if the dialog chose path and scale; the error
    // box's text, if one appeared.
    std::optional<QString> save_as(const QString& path, int scale, bool by_shortcut = false) {
        form->picture_commands().choose_target = [path, scale] {
            return std::optional<PictureTarget>(PictureTarget{path, scale});
        };
        return answer_message_box([&] {
            if (by_shortcut)
                QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
            else
                form->picture_commands().save->trigger();
        });
    }
    void activate() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Whether each board pixel fills a scale x scale square of the image, and nothing else does.
    static ::testing::AssertionResult shows(const QImage& image, const std::vector<Rgb>& board,
                                            int scale) {
        if (image.size() != QSize(board_size * scale, board_size * scale))
            return ::testing::AssertionFailure()
                   << "size " << image.width() << "x" << image.height();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const Rgb want = board[(y / scale) * board_size + x / scale] & 0xffffffu;
                if ((image.pixel(x, y) & 0xffffffu) != want)
                    return ::testing::AssertionFailure() << "pixel " << x << ", " << y;
            }
        return ::testing::AssertionSuccess();
    }
    std::vector<Rgb> board_copy() const {
        return {form->board().data(), form->board().data() + board_size * board_size};
    }
    // What a board is: its pixels and the setup that rebuilds it.
    using Shown = std::pair<std::vector<Rgb>, std::string>;
    Shown shown() const { return {board_copy(), form->logic().setup_text()}; }
    // A dipole, its colour map and a field line through a point, saved as board.png at 2x.
    Shown make_board() {
        click("dipole_button");
        click("colour_map_button");
        click("field_line_tool");
        click_board(250, 150);
        EXPECT_EQ(save_as(dir.filePath(QStringLiteral("board.png")), 2), std::nullopt);
        return shown();
    }
    // A key in the window, made active again after a box or a dialog.
    void key(Qt::Key k, Qt::KeyboardModifiers held = Qt::ControlModifier) {
        if (QApplication::activeWindow() != form.get()) activate();
        QTest::keyClick(form.get(), k, held);
    }
    // Drags the data onto the window as a file manager offers a file, with Shift held for a
    // move; whether the window took it, as a copy.
    bool drop(const QMimeData& data) {
        const QPoint at(300, 200);
        const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, both, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(form.get(), &enter);
        if (!enter.isAccepted() || enter.dropAction() != Qt::CopyAction) return false;
        QDropEvent dropped(at, both, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(form.get(), &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
    }
    QTemporaryDir dir;
};

TEST_F(Picture, PngHoldsTheBoardPixelsInExactSquaresAndSaysWhatItShows) {
    click("dipole_button");
    click("equipotentials_button"); // the colour map under the equipotentials: every colour of the
                                    // board
    activate();
    const auto board = board_copy();
    const QString description = qt_text(form->logic().picture_description());
    for (int scale : {1, 2, 4}) {
        const QString path = dir.filePath(QStringLiteral("x%1.png").arg(scale));
        EXPECT_EQ(save_as(path, scale, scale == 1), std::nullopt);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray png = file.readAll();
        EXPECT_EQ(itxt(png, "Description"), description);
        QImage image;
        EXPECT_TRUE(image.loadFromData(png, "png"));
        EXPECT_TRUE(shows(image, board, scale)) << scale << "x";
    }
}

TEST_F(Picture, CopyPutsTheBoardOnTheClipboardAndKeepsItWhenTheBoardChanges) {
    click("dipole_button");
    activate();
    const auto board = board_copy();
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    click("colour_map_button");
    ASSERT_NE(board_copy(), board);
    EXPECT_TRUE(shows(QGuiApplication::clipboard()->image(), board, 1));
    // The board's context menu: the picture, then the history.
    QStringList menu;
    for (const QAction* a : board_view()->actions()) menu << a->text();
    EXPECT_EQ(menu, QStringList(
                        {"Kopiuj obraz", "Zapisz obraz…", "Otwórz obraz…", "", "Cofnij", "Ponów"}));
    EXPECT_EQ(board_view()->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(Picture, AFailedSaveSaysWhyNamesTheFileAndKeepsTheOldOne) {
    // Even root cannot create a file here.
    const QString nowhere = QStringLiteral("/proc/ardenika.png");
    const std::optional<QString> refused = save_as(nowhere, 1);
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->contains(nowhere)) << refused->toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));

    // A file size limit binds root too: the new picture cannot be written past 100 bytes.
    const QString path = dir.filePath(QStringLiteral("ardenika.png"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old picture");
    old.close();
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = 100;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::optional<QString> too_large = save_as(path, 4);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_TRUE(too_large.has_value());
    EXPECT_TRUE(too_large->contains(path));
    EXPECT_TRUE(too_large->contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << too_large->toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ardenika.png")});
}

TEST_F(Picture, SavedCopiedDroppedOrPastedBoardOpensTheSameInAFreshProgram) {
    const Shown made = make_board();
    const QString path = dir.filePath(QStringLiteral("board.png"));
    // Qt's reader, which folds the line breaks, still finds the description.
    EXPECT_EQ(QImageReader(path).text("Description"),
              qt_text(form->logic().picture_description()).simplified());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    const QString setup = qt_text(made.second);
    const QList<QUrl> url{QUrl::fromLocalFile(path)};
    key(Qt::Key_C);
    auto mime = [](const QString& text, const QByteArray& picture = {},
                   const QList<QUrl>& urls = {}) {
        auto data = std::make_unique<QMimeData>();
        if (!text.isEmpty()) data->setText(text);
        if (!picture.isEmpty()) data->setData(QStringLiteral("image/png"), picture);
        if (!urls.isEmpty()) data->setUrls(urls);
        return data;
    };
    auto paste = [&](std::unique_ptr<QMimeData> data) {
        QGuiApplication::clipboard()->setMimeData(data.release());
        key(Qt::Key_V);
    };
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"the board copied before", [&] { key(Qt::Key_V); }},
        {"the open dialog",
         [&] {
             form->picture_commands().choose_source = [&] { return std::optional(path); };
             key(Qt::Key_O);
         }},
        {"a dropped file", [&] { EXPECT_TRUE(drop(*mime({}, {}, url))); }},
        {"a dropped link",
         [&] { EXPECT_TRUE(drop(*mime("https://example.org/a.html#" + setup))); }},
        {"a pasted setup", [&] { paste(mime(setup)); }},
        {"a pasted picture beside other text",
         [&] { paste(mime(QStringLiteral("Ardenika"), png)); }},
    };
    for (const auto& [name, open] : ways) {
        form.reset(); // the program's state is one: the old window goes first
        form = std::make_unique<DesktopWindow>();
        EXPECT_EQ(answer_message_box(open), std::nullopt) << name;
        EXPECT_EQ(shown(), made) << name;
    }
    // Opening is a change like any other; two files at once are no board.
    key(Qt::Key_Z);
    EXPECT_EQ(form->logic().setup_text(), "v1");
    EXPECT_FALSE(drop(*mime({}, {}, url + url)));
}

TEST_F(Picture, AFileThatHoldsNoBoardSaysWhyAndLeavesTheBoardAsItWas) {
    const QString text = dir.filePath(QStringLiteral("text.png"));
    const QString missing = dir.filePath(QStringLiteral("missing.png"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("v1;p80,0") > 0 && file.flush());
    const Shown made = make_board();
    const QString unread = QStringLiteral("Nie udało się odczytać pliku\n");
    const std::pair<QString, QString> cases[] = {
        {text, "To nie jest obraz PNG."},
        {missing, unread + missing + "\n\n"},
        {dir.path(), unread + dir.path() + "\n\nTo nie jest zwykły plik."},
    };
    for (const auto& [path, why] : cases) {
        form->picture_commands().choose_source = [path] { return std::optional<QString>(path); };
        const std::optional<QString> said = answer_message_box([&] { key(Qt::Key_O); });
        EXPECT_TRUE(said && said->startsWith(why)) << said.value_or("no box").toStdString();
        EXPECT_EQ(shown(), made) << path.toStdString();
    }
}

TEST_F(Picture, UndoAndRedoKeysWalkTheChangesAndTheMenuShowsWhichCanRun) {
    const Shown empty = shown();
    click("dipole_button");
    const Shown dipole = shown();
    click("colour_map_button");
    const Shown map = shown();
    activate();
    const std::tuple<const char*, const Shown*, bool, bool> steps[] = {
        {"Ctrl+Z", &dipole, true, true}, {"Ctrl+Z", &empty, false, true},
        {"Ctrl+Y", &dipole, true, true}, {"Ctrl+Shift+Z", &map, true, false},
        {"Ctrl+Y", &map, true, false},
    };
    for (const auto& [keys, after, can_undo, can_redo] : steps) {
        QTest::keySequence(form.get(), QKeySequence(keys));
        EXPECT_EQ(shown(), *after) << keys;
        EXPECT_EQ(std::pair(form->undo_action()->isEnabled(), form->redo_action()->isEnabled()),
                  std::pair(can_undo, can_redo));
    }
}

TEST(QtTexts, TheFileDialogsButtonsSpeakPolish) {
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().toStdString(), "Zachowaj");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "Anuluj");
}
