#include "desktop/about_dialog.h"
#include "desktop/description_dialog.h"
#include "desktop/help_dialogs.h"
#include "desktop/qt_text.h"
#include "desktop/rich_edit.h"
#include "dialogs/dialog_content.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The description's runs joined as the view shows them, a paragraph to a line.
QString description_text() {
    QString text;
    for (const DescriptionRun& run : description_runs()) {
        if (run.starts_paragraph) text += QLatin1Char('\n');
        text += qt_text(run.text);
    }
    return text;
}

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);

// Format of the character at a document position.
QTextCharFormat format_at(const QTextDocument* document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

struct Look {
    QColor colour;
    bool bold;
    bool italic;
    bool underline;
};

bool operator==(const Look& a, const Look& b) {
    return a.colour == b.colour && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline;
}

void PrintTo(const Look& look, std::ostream* out) {
    *out << qPrintable(look.colour.name()) << (look.bold ? " bold" : "")
         << (look.italic ? " italic" : "") << (look.underline ? " underline" : "");
}

Look look_of(const QTextCharFormat& format) {
    return {format.foreground().color(), format.fontWeight() >= QFont::Bold, format.fontItalic(),
            format.fontUnderline()};
}

// The look of a run found by its text (the n-th occurrence), the same on its first and last
// character.
Look run_look(const QTextDocument* document, const QString& run, int occurrence = 0) {
    const QString text = document->toPlainText();
    int at = -1;
    for (int n = 0; n <= occurrence; ++n) at = text.indexOf(run, at + 1);
    EXPECT_GE(at, 0) << qPrintable(run);
    if (at < 0) return {};
    const Look first = look_of(format_at(document, at));
    const Look last = look_of(format_at(document, at + static_cast<int>(run.size()) - 1));
    EXPECT_EQ(first, last) << qPrintable(run);
    return first;
}

// The look of one character of a passage found by its text.
Look look_in(const QTextDocument* document, const QString& passage, int index) {
    const int at = static_cast<int>(document->toPlainText().indexOf(passage));
    EXPECT_GE(at, 0) << qPrintable(passage);
    if (at < 0) return {};
    return look_of(format_at(document, at + index));
}

CharMetrics metrics_at(const QTextDocument* document, int position) {
    const QTextCharFormat format = format_at(document, position);
    return {format.intProperty(char_height_property), format.intProperty(char_offset_property)};
}

// Closes the first visible dialog of type T, whoever opened it, reporting whether it was the
// modal one over the owner; a repeating timer, so a test never waits on a dialog forever.
template <typename T> struct ModalProbe {
    bool seen = false;
    bool was_modal = false;
    bool owned = false;
    QTimer timer;

    explicit ModalProbe(QWidget* owner) {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, owner] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<T*>(window);
                if (dialog == nullptr || !dialog->isVisible()) continue;
                seen = true;
                was_modal = QApplication::activeModalWidget() == dialog;
                owned = dialog->parentWidget() == owner;
                dialog->reject();
            }
        });
        timer.start();
    }
};

template <typename T> int live_dialogs(const QWidget& owner) {
    return static_cast<int>(owner.findChildren<T*>().size());
}

} // namespace

TEST(RichEdit, OperationsActAtTheCaret) {
    RichEdit view;
    QFont base(QStringLiteral("Liberation Serif"));
    base.setPixelSize(13);
    view.setFont(base);
    EXPECT_EQ(view.caret_metrics().height, 195);

    view.insert_text(QStringLiteral("q"));
    view.set_script_offset(ScriptMode::subscript);
    EXPECT_EQ(view.caret_metrics().height, 136);
    EXPECT_EQ(view.caret_metrics().offset, -41);
    view.insert_text(QStringLiteral("0"));
    view.set_script_offset(ScriptMode::normal);
    view.set_text_attributes(blue, style_bold | style_underline);
    view.insert_text(QStringLiteral("x"));
    view.set_text_attributes(black, 0);
    view.add_paragraph(QStringLiteral("next"));
    view.insert_text(QStringLiteral("!"));

    const QTextDocument* document = view.document();
    EXPECT_EQ(document->toPlainText(), QStringLiteral("q0x\nnext!"));
    EXPECT_EQ(document->blockCount(), 2);
    EXPECT_EQ(metrics_at(document, 1).height, 136);
    EXPECT_EQ(metrics_at(document, 1).offset, -41);
    EXPECT_EQ(metrics_at(document, 2).height, 194);
    EXPECT_EQ(metrics_at(document, 2).offset, 0);

    // The subscript is drawn smaller and lowered; the text after it at the rounded height.
    const QTextCharFormat sub = format_at(document, 1);
    const double pixels_per_point = view.logicalDpiY() / 72.0;
    const double tolerance = 1e-9; // a division and a multiplication apart
    EXPECT_NEAR(sub.fontPointSize() * pixels_per_point * 15.0, 136.0, tolerance);
    EXPECT_LT(sub.baselineOffset(), 0.0);
    EXPECT_NEAR(format_at(document, 2).fontPointSize() * pixels_per_point * 15.0, 194.0, tolerance);
    EXPECT_EQ(format_at(document, 2).baselineOffset(), 0.0);

    EXPECT_EQ(look_of(format_at(document, 2)), (Look{blue, true, false, true}));
    // The new paragraph and the text after it carry the attributes then in effect.
    EXPECT_EQ(look_of(format_at(document, 4)), (Look{black, false, false, false}));
    EXPECT_EQ(look_of(format_at(document, 8)), (Look{black, false, false, false}));
    EXPECT_EQ(metrics_at(document, 8).height, 194);
}

TEST(DescriptionDialog, TextIsTheElevenParagraphs) {
    DescriptionDialog dialog;
    const QTextDocument* document = dialog.description()->document();
    EXPECT_EQ(document->blockCount(), 11);
    EXPECT_EQ(document->toPlainText(), description_text());
    EXPECT_TRUE(dialog.description()->isReadOnly());
}

TEST(DescriptionDialog, RunsCarryTheirColourAndStyle) {
    DescriptionDialog dialog;
    const QTextDocument* document = dialog.description()->document();
    const Look plain{black, false, false, false};
    const Look italic{black, false, true, false};
    const Look bold_italic{black, true, true, false};
    const Look blue_plain{blue, false, false, false};
    const Look blue_italic{blue, false, true, false};

    EXPECT_EQ(run_look(document, QStringLiteral("Natężenie pola elektrycznego ")), blue_italic);
    EXPECT_EQ(run_look(document, QStringLiteral("definiujemy jako siłę działającą")), plain);
    const QString definition = QStringLiteral("ładunek E = F/q0.");
    EXPECT_EQ(look_in(document, definition, 8), bold_italic);  // E
    EXPECT_EQ(look_in(document, definition, 9), bold_italic);  // its trailing space
    EXPECT_EQ(look_in(document, definition, 10), plain);       // =
    EXPECT_EQ(look_in(document, definition, 12), bold_italic); // F
    EXPECT_EQ(look_in(document, definition, 13), plain);       // /
    EXPECT_EQ(look_in(document, definition, 14), italic);      // q
    EXPECT_EQ(look_in(document, definition, 15), plain);       // subscript 0
    EXPECT_EQ(run_look(document, QStringLiteral("potencjałem elektrycznym. ")), blue_italic);

    const QString potential = QStringLiteral("V = Ep/q0. ");
    EXPECT_EQ(look_in(document, potential, 0), italic);
    EXPECT_EQ(look_in(document, potential, 2), plain);
    EXPECT_EQ(look_in(document, potential, 4), italic);
    EXPECT_EQ(look_in(document, potential, 5), plain);
    EXPECT_EQ(look_in(document, potential, 6), italic);
    EXPECT_EQ(look_in(document, potential, 7), italic);
    EXPECT_EQ(look_in(document, potential, 8), plain);

    // Quotation marks go with the plain text on either side of a quoted name.
    const QString quoted = QStringLiteral("\"Ładunki - Dodaj/Usun\"");
    EXPECT_EQ(look_in(document, quoted, 0), plain);
    EXPECT_EQ(run_look(document, QStringLiteral("Ładunki - Dodaj/Usun")), blue_plain);
    EXPECT_EQ(look_in(document, quoted, static_cast<int>(quoted.size()) - 1), plain);
    EXPECT_EQ(run_look(document, QStringLiteral("V=const")), blue_plain);
    EXPECT_EQ(run_look(document, QStringLiteral("Czyść")), blue_plain);

    EXPECT_EQ(run_look(document, QStringLiteral("www.example.org/ostrada")),
              (Look{blue, false, true, true}));
    const QString text = document->toPlainText();
    EXPECT_EQ(look_of(format_at(document, static_cast<int>(text.size()) - 1)), plain);
}

TEST(DescriptionDialog, SubscriptsShrinkAndTheTextAfterKeepsTheRoundedHeight) {
    DescriptionDialog dialog;
    const QTextDocument* document = dialog.description()->document();
    const QString text = document->toPlainText();

    const int first_q0 = static_cast<int>(text.indexOf(QStringLiteral("q0 (")));
    ASSERT_GE(first_q0, 0);
    EXPECT_FALSE(format_at(document, first_q0).hasProperty(char_height_property));
    EXPECT_EQ(metrics_at(document, first_q0 + 1).height, 136);
    EXPECT_EQ(metrics_at(document, first_q0 + 1).offset, -41);
    EXPECT_EQ(metrics_at(document, first_q0 + 2).height, 194);
    EXPECT_EQ(metrics_at(document, first_q0 + 2).offset, 0);

    const int ep = static_cast<int>(text.indexOf(QStringLiteral("Ep/q0. ")));
    ASSERT_GE(ep, 0);
    EXPECT_EQ(metrics_at(document, ep + 1).height, 136);
    EXPECT_EQ(metrics_at(document, ep + 1).offset, -41);
    EXPECT_EQ(metrics_at(document, ep + 2).height, 194);
    EXPECT_EQ(metrics_at(document, ep + 4).height, 136);
    EXPECT_EQ(metrics_at(document, ep + 5).height, 194);
    EXPECT_EQ(metrics_at(document, ep + 5).offset, 0);
    // Paragraphs after the subscripts go on at the rounded height.
    EXPECT_EQ(metrics_at(document, static_cast<int>(text.size()) - 1).height, 194);
}

TEST(DescriptionDialog, EachOpeningBuildsTheTextOnce) {
    DescriptionDialog first;
    DescriptionDialog second;
    const QString expected = description_text();
    EXPECT_EQ(first.description()->toPlainText(), expected);
    EXPECT_EQ(second.description()->toPlainText(), expected);
}

TEST(HelpDialogs, AreFixedSizeWithOnlyACloseButton) {
    DescriptionDialog description;
    AboutDialog about;
    EXPECT_EQ(description.windowTitle(), QStringLiteral("Opis programu"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("O programie"));
    EXPECT_EQ(description.size(), QSize(432, 329));
    EXPECT_EQ(about.size(), QSize(403, 327));
    for (QDialog* dialog : {static_cast<QDialog*>(&description), static_cast<QDialog*>(&about)}) {
        EXPECT_EQ(dialog->minimumSize(), dialog->size());
        EXPECT_EQ(dialog->maximumSize(), dialog->size());
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    }
}

TEST(HelpDialogs, EnterOnTheFocusedOkButtonClosesWithOk) {
    DescriptionDialog description;
    AboutDialog about;
    for (QDialog* dialog : {static_cast<QDialog*>(&description), static_cast<QDialog*>(&about)}) {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QStringLiteral("ok_button"));
        QTest::keyClick(focused, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
}

TEST(HelpDialogs, TabMovesFromOkToTheTextWhereEnterStays) {
    DescriptionDialog description;
    AboutDialog about;
    for (QDialog* dialog : {static_cast<QDialog*>(&description), static_cast<QDialog*>(&about)}) {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* text_box = QApplication::focusWidget();
        ASSERT_NE(text_box, nullptr);
        EXPECT_EQ(text_box->objectName(), dialog == &about ? QStringLiteral("licence_text")
                                                           : QStringLiteral("description_text"));
        QTest::keyClick(text_box, Qt::Key_Return);
        QTest::keyClick(text_box, Qt::Key_Enter);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    }
}

TEST(HelpDialogs, OpenModallyOverTheOwnerAndAreGoneWhenClosed) {
    QWidget owner;
    owner.show();
    {
        ModalProbe<DescriptionDialog> probe(&owner);
        show_description(&owner);
        EXPECT_TRUE(probe.seen);
        EXPECT_TRUE(probe.was_modal);
        EXPECT_TRUE(probe.owned);
    }
    EXPECT_EQ(live_dialogs<DescriptionDialog>(owner), 0);
    {
        ModalProbe<AboutDialog> probe(&owner);
        show_about(&owner);
        EXPECT_TRUE(probe.seen);
        EXPECT_TRUE(probe.was_modal);
        EXPECT_TRUE(probe.owned);
    }
    EXPECT_EQ(live_dialogs<AboutDialog>(owner), 0);
}

TEST(AboutDialog, ShowsTheStatementAndAnAddressThatLeadsNowhere) {
    AboutDialog about;
    auto* memo = about.findChild<QPlainTextEdit*>(QStringLiteral("licence_text"));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("bez żadnych opłat")));
    EXPECT_EQ(memo->palette().color(QPalette::Base), memo->palette().color(QPalette::Button));

    auto* address = about.findChild<QLabel*>(QStringLiteral("maker_address"));
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text(), QStringLiteral("www.example.org/ostrada"));
    EXPECT_TRUE(address->font().underline());
    EXPECT_EQ(address->toolTip(), QStringLiteral("Połącz się ze stroną internetową"));
    EXPECT_FALSE(address->openExternalLinks());
    about.show();
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
    about.reject();
}
