// The board as a setup: rebuilding it, opening one from a text or a saved picture, and the
// history that undo and redo walk.
#include "app/png_text.h"
#include "app/setup_messages.h"
#include "app/window_logic.h"
#include "app/words.h"

std::string WindowLogic::setup_text() const {
    const Setup s = setup();
    return check_setup(s) ? write_setup(s) : std::string();
}

void WindowLogic::clear_board() {
    state_.tool_mode = ToolMode::none;
    state_.scene_stage = SceneStage::empty;
    state_.grids_stale = false;
    toggles_.raise_all();
    board_.clear();
}

void WindowLogic::rebuild(const Setup& setup, bool lines_later) {
    clear_board();
    board_.replay(setup, lines_later);
    // Every button up and no tool chosen; Clear takes the pictures first, then the charges.
    const bool charges = !board_.state().charges.empty();
    state_.tool_mode = ToolMode::none;
    state_.scene_stage = board_.shows_picture() ? SceneStage::picture
                         : charges              ? SceneStage::with_charges
                                                : SceneStage::empty;
    state_.grids_stale = charges && !board_.grids_fresh();
    screen_.board_changed();
    // The readout reads the new grids where the pointer is, once it has been on the board; the
    // keyboard cursor stays put.
    const auto cursor = cursor_;
    if (pointer_seen_) pointer_over_pixel(state_.pointer_column, state_.pointer_row);
    cursor_ = cursor;
}

void WindowLogic::note_change() {
    history_.note(setup());
}

bool WindowLogic::open_setup(std::string_view text) {
    end_drag(false);
    const SetupResult read = read_setup(text);
    if (!read) {
        screen_.show_error(setup_error_text(read, words()));
        return false;
    }
    rebuild(read.setup);
    note_change();
    screen_.announce(words().opened);
    return true;
}

bool WindowLogic::open_picture(std::span<const unsigned char> file) {
    const PngTextResult read = read_text_chunk(file, setup_text_key);
    if (!read) {
        screen_.show_error(picture_error_text(read.error, words()));
        return false;
    }
    return open_setup(read.text);
}

std::vector<unsigned char>
WindowLogic::with_picture_texts(std::span<const unsigned char> png) const {
    std::vector<unsigned char> out =
        with_text_chunk(png, picture_text_key, picture_description(), TextEncoding::utf8);
    const std::string text = setup_text();
    if (!out.empty() && !text.empty()) out = with_text_chunk(out, setup_text_key, text);
    return out;
}

bool WindowLogic::step_history(std::optional<Setup> to, std::string_view said) {
    if (!to) return false;
    rebuild(*to);
    history_.arrived(setup());
    screen_.announce(said);
    return true;
}

bool WindowLogic::undo() {
    end_drag(false);
    return step_history(history_.back(), words().undone);
}

bool WindowLogic::redo() {
    end_drag(false);
    return step_history(history_.forward(), words().redone);
}
