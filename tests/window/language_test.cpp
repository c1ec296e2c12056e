#include "window_fixture.h"

#include "desktop/measurement_panel.h"
#include "desktop/plot_window.h"

#include "app/form.h"
#include "desktop/about_dialog.h"
#include "desktop/description_dialog.h"
#include "dialogs/dialog_content.h"

#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <set>

namespace {

// A window in a language, put back to Polish when the test ends, so the next window starts as
// a user's first does and Qt speaks Polish again.
class Languages : public Window {
  protected:
    void choose(Language language) {
        form->control<QAction>(WindowLogic::language_item(language))->trigger();
    }
    void TearDown() override {
        choose(Language::polish);
        Window::TearDown();
    }
};

// Why a control's caption does not fit it, with the window's faces; empty when it does.
QString overflow(QWidget* widget) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        // The caption is painted from 8 pixels in, and must leave the frame's corner showing.
        const int needs = 8 + group->fontMetrics().horizontalAdvance(group->title()) + 2;
        if (needs > group->width() - 4)
            return QStringLiteral("%1 needs %2 of %3")
                .arg(group->title())
                .arg(needs)
                .arg(group->width() - 4);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int needs = button->fontMetrics().horizontalAdvance(button->text());
        if (needs > room.width())
            return QStringLiteral("%1 needs %2 of %3")
                .arg(button->text())
                .arg(needs)
                .arg(room.width());
    }
    return {};
}

} // namespace

TEST_F(Languages, EveryCaptionFitsItsControlAndTheMenuBarOneRowInEveryLanguage) {
    const QSize size = form->size();
    for (const Language language : languages) {
        choose(language);
        EXPECT_EQ(form->size(), size);
        for (const FormControl& c : form_controls())
            EXPECT_EQ(overflow(form->control<QWidget>(c.name)).toStdString(), "")
                << words_for(language).code << " " << c.name;
        // The measurement panel's buttons and the plot's, in their own windows.
        for (const FormControl& c : panel_controls())
            EXPECT_EQ(overflow(form->panel().control<QWidget>(c.name)).toStdString(), "")
                << words_for(language).code << " " << c.name;
        for (const FormControl& c : plot_controls())
            EXPECT_EQ(overflow(form->plot_window().control<QWidget>(c.name)).toStdString(), "")
                << words_for(language).code << " " << c.name;
        // Every title of the bar on its one row, none pushed into an overflow menu.
        QMenuBar* bar = form->menuBar();
        for (QAction* title : bar->actions()) {
            const QRect at = bar->actionGeometry(title);
            EXPECT_TRUE(!at.isEmpty() && at.right() < bar->width() && at.top() == 0)
                << words_for(language).code << " " << title->text().toStdString();
        }
    }
}

TEST(HelpDialogs, EveryLineOfTheHeadingFitsItsLabelInEveryLanguage) {
    for (const Language language : languages) {
        const std::string_view code = words_for(language).code;
        AboutDialog about(nullptr, code);
        DescriptionDialog description(nullptr, code);
        for (const QDialog* dialog :
             {static_cast<QDialog*>(&about), static_cast<QDialog*>(&description)})
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << code << " " << label->text().toStdString();
    }
}

TEST_F(Languages, SwitchingShowsEveryWordOfTheTablesKeepsTheBoardAndIsRemembered) {
    click("add_positive_tool");
    click_board(150, 200);
    click("colour_map_button");
    move_to(210, 150);
    const std::string setup = form->logic().setup_text();
    const QString v_readout = form->control<QLabel>("v_readout")->text();
    for (const Language language : {Language::ukrainian, Language::english, Language::polish}) {
        choose(language);
        const std::string code(words_for(language).code);
        for (const FormControl& c : form_controls()) {
            if (c.kind == FormControlKind::window || c.kind == FormControlKind::label) continue;
            const FormWords w = form_texts(c, language);
            auto* widget = form->control<QWidget>(c.name);
            EXPECT_EQ(widget->toolTip(), qt_text(w.hint)) << code << " " << c.name;
            const QString spoken = c.kind == FormControlKind::group_box
                                       ? qt_text(w.caption).trimmed()
                                       : qt_text(w.accessible_name);
            EXPECT_EQ(widget->accessibleName(), spoken) << code << " " << c.name;
            const auto* button = qobject_cast<QPushButton*>(widget);
            const auto* group = qobject_cast<QGroupBox*>(widget);
            const QString caption = button ? button->text() : group ? group->title() : QString();
            EXPECT_EQ(caption, button || group ? qt_text(w.caption) : QString())
                << code << " " << c.name;
        }
        for (const MenuItem& m : menu_items()) {
            auto* menu = form->control<QMenu>(m.name);
            const QString shown = menu ? menu->title() : form->control<QAction>(m.name)->text();
            EXPECT_EQ(shown, qt_text(form_texts(m, language).caption)) << code << " " << m.name;
        }
        EXPECT_TRUE(form->control<QAction>(WindowLogic::language_item(language))->isChecked());
        EXPECT_EQ(form->undo_action()->text(), qt_text(words_for(language).undo));
        EXPECT_EQ(form->logic().setup_text(), setup);
        EXPECT_EQ(form->control<QLabel>("v_readout")->text(), v_readout);
        EXPECT_TRUE(form->undo_action()->isEnabled());
        // The next start speaks the language chosen last.
        EXPECT_EQ(DesktopWindow().logic().language(), language);
    }
    form->undo_action()->trigger();
    EXPECT_EQ(form->logic().setup_text(), "v1;p-50,0");
}

TEST_F(Languages, QtsOwnTextsAndTheHelpDialogsFollowTheLanguage) {
    const auto qt_says = [] { return QFileDialog::tr("Look in:"); };
    choose(Language::polish);
    const QString polish = qt_says();
    choose(Language::ukrainian);
    const QString ukrainian = qt_says();
    choose(Language::english);
    EXPECT_EQ(qt_says(), QStringLiteral("Look in:"));
    EXPECT_NE(polish, ukrainian);
    EXPECT_NE(ukrainian, QStringLiteral("Look in:"));

    // The description names the window's controls as this language shows them (the Polish page
    // is kept as it always was, spelling and all).
    for (const Language language : {Language::ukrainian, Language::english}) {
        std::set<std::string_view> shown;
        for (const FormControl& c : form_controls()) {
            const FormWords w = form_texts(c, language);
            for (std::string_view text : {w.caption, w.hint}) {
                // Group captions stand between spaces in their frame.
                while (text.starts_with(' ')) text.remove_prefix(1);
                while (text.ends_with(' ')) text.remove_suffix(1);
                shown.insert(text);
            }
        }
        for (const DescriptionRun& run : description_runs(words_for(language).code))
            if (run.colour == ink_blue && run.style == 0) {
                EXPECT_TRUE(shown.contains(run.text))
                    << words_for(language).code << " " << run.text;
            }
    }
}
