// Opening a board from a setup or a saved picture, refusing bad input, and undo and redo.
#include "app/png_text.h"
#include "form_fixture.h"

namespace {

// A sound PNG of 2 x 2 pixels with a tEXt "Description" and no setup.
std::vector<unsigned char> tiny_png() {
    return {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
            0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00,
            0x00, 0xfd, 0xd4, 0x9a, 0x73, 0x00, 0x00, 0x00, 0x14, 0x74, 0x45, 0x58, 0x74, 0x44,
            0x65, 0x73, 0x63, 0x72, 0x69, 0x70, 0x74, 0x69, 0x6f, 0x6e, 0x00, 0x41, 0x72, 0x64,
            0x65, 0x6e, 0x69, 0x6b, 0x61, 0x07, 0x6a, 0x11, 0x53, 0x00, 0x00, 0x00, 0x12, 0x49,
            0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xc0, 0x00, 0xc2, 0x0c, 0xff,
            0x81, 0x00, 0x00, 0x1f, 0xee, 0x05, 0xfb, 0xf1, 0xab, 0xba, 0x77, 0x00, 0x00, 0x00,
            0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
}

} // namespace

TEST_F(Form, ASetupWrittenByHandOpensWithEveryButtonUp) {
    click(Toggle::add_positive_tool); // a tool chosen before: opening leaves none
    ASSERT_TRUE(form->open_setup("  https://example.org/ardenika.html#v1;p80,0;n-80,0;V;E  "));
    EXPECT_EQ(charge_count(), 2);
    EXPECT_EQ(form->pictures(),
              (std::vector<std::string>{"mapa potencjału", "linie ekwipotencjalne"}));
    EXPECT_EQ(form->setup_text(), "v1;p80,0;n-80,0;V;E");
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(tool_mode(), ToolMode::none);
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_EQ(screen->announcements.back(), "Otwarto planszę");
    form->click("clear_button"); // Clear takes the pictures, then the charges
    EXPECT_EQ(charge_count(), 2);
    form->click("clear_button");
    EXPECT_EQ(charge_count(), 0);
}

TEST_F(Form, BadInputSaysWhatIsWrongAndLeavesTheBoardAsItWas) {
    click(Toggle::dipole_button);
    form->click("field_lines_button");
    const auto pixels = board_copy();
    const std::string setup = form->setup_text();
    // The reasons themselves are the reader's tests; here each refusal leaves the board alone.
    for (const char* text : {"dzień dobry", "v1;p80,0;q", "v7;p80,0", "v1;f0,201"})
        EXPECT_FALSE(form->open_setup(text)) << text;
    EXPECT_EQ(screen->errors.back(), "Punkt (0, 201) leży poza planszą.");

    const std::vector<unsigned char> png = tiny_png();
    ASSERT_FALSE(png.empty());
    const std::vector<unsigned char> cut(png.begin(), png.end() - 5);
    const std::vector<unsigned char> not_png{'G', 'I', 'F', '8', '9', 'a'};
    const std::vector<unsigned char> newer = with_text_chunk(png, setup_text_key, "v2;V");
    const struct {
        const std::vector<unsigned char>& file;
        const char* message;
    } files[] = {
        {png, "Ten obraz nie zawiera opisu planszy programu Ardenika."},
        {cut, "Plik jest ucięty albo uszkodzony."},
        {not_png, "To nie jest obraz PNG."},
        {newer, "Ten opis planszy pochodzi z nowszej wersji programu Ardenika."},
    };
    for (const auto& f : files) {
        EXPECT_FALSE(form->open_picture(f.file));
        EXPECT_EQ(screen->errors.back(), f.message);
    }
    EXPECT_TRUE(board_is(pixels));
    EXPECT_EQ(form->setup_text(), setup);
    EXPECT_FALSE(form->redo());
    ASSERT_TRUE(form->undo()); // the field lines were the last change: nothing else was noted
    EXPECT_EQ(form->setup_text(), "v1;p80,0;n-80,0");
}

TEST_F(Form, ASavedPictureCarriesItsDescriptionAndSetupAndOpensAgain) {
    click(Toggle::quadrupole_button);
    form->click("field_line_item");
    click_board(250, 100);
    const std::vector<unsigned char> saved = form->with_picture_texts(tiny_png());
    const PngTextResult description = read_text_chunk(saved, picture_text_key);
    ASSERT_TRUE(description);
    EXPECT_EQ(description.text, form->picture_description());
    const auto pixels = board_copy();
    const std::string setup = form->setup_text();
    fresh();
    ASSERT_TRUE(form->open_picture(saved));
    EXPECT_TRUE(board_is(pixels));
    EXPECT_EQ(form->setup_text(), setup);
}

TEST_F(Form, UndoTakesBackEveryKindOfChangeAndRedoBringsItAgain) {
    struct Noted {
        std::string setup;
        std::vector<Rgb> pixels;
    };
    std::vector<Noted> seen{{form->setup_text(), board_copy()}};
    auto changed = [&] { seen.push_back({form->setup_text(), board_copy()}); };
    click(Toggle::add_positive_tool);
    click_board(300, 100); // a charge placed
    changed();
    click(Toggle::add_negative_tool);
    click_board(100, 300);
    changed();
    form->click("colour_map_button"); // a picture
    changed();
    click(Toggle::remove_tool);
    click_board(300, 100); // a charge removed
    changed();
    click(Toggle::dipole_button); // an arrangement
    changed();
    form->click("equipotentials_button");
    changed();
    form->click("clear_button"); // the picture Clear
    changed();
    form->click("clear_button"); // the full Clear
    changed();
    ASSERT_TRUE(form->open_setup("v1;p0,0;F")); // an opened board
    changed();
    click(Toggle::capacitor_button); // choosing a tool alone is no change; the capacitor is
    changed();
    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        ASSERT_TRUE(form->undo()) << i;
        EXPECT_EQ(form->setup_text(), seen[i - 1].setup) << i;
        EXPECT_TRUE(board_is(seen[i - 1].pixels)) << i;
        EXPECT_EQ(six_down(), (std::array<bool, 6>{})) << i;
    }
    EXPECT_FALSE(form->undo());
    for (std::size_t i = 1; i < seen.size(); ++i) {
        ASSERT_TRUE(form->redo()) << i;
        EXPECT_TRUE(board_is(seen[i].pixels)) << i;
    }
    EXPECT_FALSE(form->redo());
    EXPECT_EQ(screen->announcements.back(), "Przywrócono zmianę");
    ASSERT_TRUE(form->undo());
    click(Toggle::dipole_button); // a new change forgets what could be redone
    EXPECT_FALSE(form->redo());
}

TEST_F(Form, UndoKeepsTheLastHundredChanges) {
    click(Toggle::dipole_button);
    form->click("field_line_item");
    for (int i = 0; i < 120; ++i) click_board(10 + 3 * i, 30);
    int undone = 0;
    while (form->undo()) ++undone;
    EXPECT_EQ(undone, static_cast<int>(WindowLogic::undo_depth));
    // 120 lines drawn, 100 taken back: the first 20 stay.
    EXPECT_EQ(form->pictures().size(), 20u);
}
