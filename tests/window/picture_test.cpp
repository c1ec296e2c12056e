// Copying and saving the board: its exact pixels, the text that says what it shows, and failures
// that keep an old file and leave no new one.
#include "window_fixture.h"

#include "desktop/board_picture.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
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
        form->picture_commands->choose_target = [path, scale] {
            return std::optional<PictureTarget>(PictureTarget{path, scale});
        };
        return answer_message_box([&] {
            if (by_shortcut)
                QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
            else
                form->picture_commands->save->trigger();
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
    QTemporaryDir dir;
};

TEST_F(Picture, PngHoldsTheBoardPixelsInExactSquaresAndSaysWhatItShows) {
    click(form->SpeedB5);
    click(form->RysujB2); // the colour map under the equipotentials: every colour of the board
    activate();
    const auto board = board_copy();
    const QString description = QString::fromStdString(form->logic().picture_description());
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
    click(form->SpeedB5);
    activate();
    const auto board = board_copy();
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    click(form->RysujB1);
    ASSERT_NE(board_copy(), board);
    EXPECT_TRUE(shows(QGuiApplication::clipboard()->image(), board, 1));
    // The same two commands in the board's context menu.
    const auto menu = form->Image1->actions();
    ASSERT_EQ(menu.size(), 2);
    EXPECT_EQ(menu[0]->text(), "Kopiuj obraz");
    EXPECT_EQ(menu[1]->text(), "Zapisz obraz…");
    EXPECT_EQ(form->Image1->contextMenuPolicy(), Qt::ActionsContextMenu);
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

TEST(QtTexts, TheFileDialogsButtonsSpeakPolish) {
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().toStdString(), "Zachowaj");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "Anuluj");
}
