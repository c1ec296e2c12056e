#pragma once

#include "app/window_logic.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "support/recording_screen.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(ToolMode mode, std::ostream* out) {
    constexpr const char* names[] = {"negative",      "remove",     "positive",
                                     "equipotential", "field_line", "none"};
    *out << names[static_cast<int>(mode) + 1];
}

// A fresh window logic on a fresh program state.
class Form : public testing::Test {
  protected:
    void SetUp() override { fresh(); }
    void fresh() {
        form.reset();
        screen = std::make_unique<RecordingScreen>();
        form = std::make_unique<WindowLogic>(*screen);
    }

    void click(Toggle button) { form->click(button); }
    // The board's charges and grids, the grids writable to set up what a readout shows.
    int charge_count() const { return form->board_state().charges.count(); }
    const Charge& charge(int slot) const { return form->board_state().charges.slot(slot); }
    FieldGrids& grids() { return form->board_state().grids; }
    // What a board click does, and the stage as the window's code.
    ToolMode tool_mode() const { return form->state().tool_mode; }
    int scene_stage() const { return static_cast<int>(form->state().scene_stage); }
    int grids_stale() const { return form->state().grids_stale ? 1 : 0; }
    int pointer_column() const { return form->state().pointer_column; }
    int pointer_row() const { return form->state().pointer_row; }
    void set_scene_stage(int stage) { form->state().scene_stage = static_cast<SceneStage>(stage); }
    void set_grids_stale(int stale) { form->state().grids_stale = stale != 0; }
    void move_to(int column, int row) { form->pointer_over_pixel(column, row); }
    // A press and a release on the pixel, a second after the last: never a double click.
    void click_board(int column, int row) {
        move_to(column, row);
        const PointerEvent at{column + 0.5, row + 0.5, PointerButton::primary, PointerKind::mouse,
                              clock_ms += 1000};
        form->pointer_pressed(at);
        form->pointer_released(at);
    }
    // Which of the six are down, in the order add_positive_tool..remove_tool.
    std::array<bool, 6> six_down() const {
        return {form->down(Toggle::add_positive_tool), form->down(Toggle::add_negative_tool),
                form->down(Toggle::capacitor_button),  form->down(Toggle::quadrupole_button),
                form->down(Toggle::dipole_button),     form->down(Toggle::remove_tool)};
    }
    // x_readout..ey_readout by their number.
    const std::string& label(int n) const {
        return form->labels()[static_cast<std::size_t>(n - 1)];
    }
    Rgb pixel(int column, int row) const { return form->board().pixel(column, row); }
    void plant(int column, int row, Rgb colour) { form->board().set_pixel(column, row, colour); }
    std::vector<Rgb> board_copy() const {
        return {form->board().data(), form->board().data() + board_size * board_size};
    }
    bool board_is(const std::vector<Rgb>& before) const {
        return std::equal(before.begin(), before.end(), form->board().data());
    }
    long count_pixels(Rgb colour) const {
        return std::count(form->board().data(), form->board().data() + board_size * board_size,
                          colour);
    }

    double clock_ms = 0;
    std::unique_ptr<RecordingScreen> screen;
    std::unique_ptr<WindowLogic> form;
};
