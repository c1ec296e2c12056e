#include "app/board_state.h"
#include "desktop/board_view.h"
#include "desktop/desktop_window.h"
#include "drag_frame.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <string>

namespace {

ChargeSet charges_named(const std::string& name) {
    if (name == "dipole") return dipole_charges();
    if (name == "capacitor") return capacitor_charges();
    return fourteen_charges();
}

// A board with the named charges, and its grids computed when asked.
std::unique_ptr<BoardState> board_with(const std::string& name, bool computed) {
    auto board = std::make_unique<BoardState>();
    board->charges = charges_named(name);
    SilentProgress progress;
    if (computed) compute_grids(board->grids, board->charges, progress);
    return board;
}

// What a drag frame adds while the measurement panel is open with all eight points placed: every
// point's values, the pair compared, and the board shown with the marks over it.
void register_panel() {
    benchmark::RegisterBenchmark("panel/14", [](benchmark::State& state) {
        DesktopWindow form;
        WindowLogic& logic = form.logic();
        logic.open_setup("v1;p-150,-50;p-150,0;p-150,50;p-150,100;p-150,-100;p-150,150;n150,-50;"
                         "n150,0;n150,50;n150,100;n150,-100;n150,150;p0,40;n0,-40;mA10,10;"
                         "mB-60,20;mC60,-20;mD0,120;mE-100,-120;mF100,120;mG-30,-30;mH170,0");
        logic.toggle_measurement_panel();
        for (auto _ : state) {
            benchmark::DoNotOptimize(logic.panel_table("points_table"));
            for (const char* line :
                 {"pair_difference", "pair_distance", "pair_mean_field", "pair_midpoint_field"})
                benchmark::DoNotOptimize(logic.panel_text(line));
            benchmark::DoNotOptimize(logic.shown_board().data());
        }
    });
    // What a drag frame adds while the plot is open besides: the samples along A to F (about 220
    // pixels), its SVG, its reading and what is said of it, and the segment over the board.
    benchmark::RegisterBenchmark("plot/14", [](benchmark::State& state) {
        DesktopWindow form;
        WindowLogic& logic = form.logic();
        logic.open_setup("v1;p-150,-50;p-150,0;p-150,50;p-150,100;p-150,-100;p-150,150;n150,-50;"
                         "n150,0;n150,50;n150,100;n150,-100;n150,150;p0,40;n0,-40;mA-100,-120;"
                         "mB100,120");
        logic.toggle_measurement_panel();
        logic.toggle_plot();
        logic.read_plot_at(200);
        for (auto _ : state) {
            benchmark::DoNotOptimize(logic.plot_picture());
            benchmark::DoNotOptimize(logic.panel_text("plot_reading"));
            benchmark::DoNotOptimize(logic.panel_text("plot_summary"));
            benchmark::DoNotOptimize(logic.shown_board().data());
        }
    });
}

void register_all() {
    for (const char* name : {"dipole", "capacitor", "14"}) {
        benchmark::RegisterBenchmark((std::string("compute_grids/") + name).c_str(),
                                     [name](benchmark::State& state) {
                                         const auto b = board_with(name, false);
                                         SilentProgress progress;
                                         for (auto _ : state)
                                             compute_grids(b->grids, b->charges, progress);
                                     });
    }
    benchmark::RegisterBenchmark("paint_colour_map/capacitor", [](benchmark::State& state) {
        const auto b = board_with("capacitor", true);
        SilentProgress progress;
        for (auto _ : state) paint_colour_map(b->canvas, b->grids, b->charges, b->pen, progress);
    });
    for (const char* name : {"dipole", "capacitor"}) {
        benchmark::RegisterBenchmark((std::string("draw_equipotential_family/") + name).c_str(),
                                     [name](benchmark::State& state) {
                                         const auto b = board_with(name, true);
                                         SilentProgress progress;
                                         for (auto _ : state)
                                             draw_equipotential_family(b->canvas, b->grids,
                                                                       b->charges, b->pen, progress,
                                                                       *b->buffers);
                                     });
    }
    for (const char* name : {"capacitor", "14"}) {
        benchmark::RegisterBenchmark((std::string("draw_field_line_family/") + name).c_str(),
                                     [name](benchmark::State& state) {
                                         const auto b = board_with(name, true);
                                         for (auto _ : state)
                                             draw_field_line_family(b->canvas, b->charges,
                                                                    *b->buffers);
                                     });
    }
    benchmark::RegisterBenchmark("draw_field_line_through/dipole", [](benchmark::State& state) {
        const auto b = board_with("dipole", false);
        for (auto _ : state) draw_field_line_through(b->canvas, b->charges, 0, 50);
    });
    // One frame of a dragged charge, the board from scratch with all three pictures: the page's
    // drag (the charge at (0, 40), placed 13th of 14) and a drag of the first charge placed, whose
    // frames share no charges' sums with the frame before.
    for (const auto& [label, slot] : {std::pair{"drag/14", 13}, std::pair{"drag_first/14", 1}}) {
        benchmark::RegisterBenchmark(label, [slot = slot](benchmark::State& state) {
            const auto b = board_with("14", false);
            const ChargeSet placed = b->charges;
            int frame = 0;
            for (auto _ : state) {
                b->charges = dragged_charges(placed, slot, frame++);
                draw_drag_frame(*b);
            }
        });
    }
    // Whole commands through the window, from stale grids, repaints of the bar included.
    const std::pair<const char*, void (WindowLogic::*)()> commands[] = {
        {"command/draw_colour_map/14", &WindowLogic::draw_colour_map},
        {"command/draw_equipotential_family/14", &WindowLogic::draw_equipotential_family},
        {"command/draw_field_line_family/14", &WindowLogic::draw_field_line_family},
    };
    for (const auto& [label, handler] : commands) {
        benchmark::RegisterBenchmark(label, [handler = handler](benchmark::State& state) {
            DesktopWindow form;
            // The capacitor, then one charge of each sign between its plates, by hand.
            WindowLogic& logic = form.logic();
            logic.click(Toggle::capacitor_button);
            logic.click(Toggle::add_positive_tool);
            logic.pointer_over_pixel(column_of_x(0), row_of_y(40));
            logic.board_click();
            logic.click(Toggle::add_negative_tool);
            logic.pointer_over_pixel(column_of_x(0), row_of_y(-40));
            logic.board_click();
            BoardView* const board = form.control<BoardView>("board");
            for (auto _ : state) {
                form.logic().state().grids_stale = true;
                (form.logic().*handler)();
                board->repaint();
            }
        });
    }
    register_panel();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    register_all();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
