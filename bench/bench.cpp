#include "desktop/board_view.h"
#include "desktop/desktop_window.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

// The capacitor with one charge of each sign added between its plates.
void place_fourteen() {
    Kondensator();
    add_charge(column_of_x(0), row_of_y(40), 1);
    add_charge(column_of_x(0), row_of_y(-40), -1);
}

void place(const std::string& name) {
    if (name == "dipole") place_dipole();
    if (name == "capacitor") Kondensator();
    if (name == "14") place_fourteen();
}

void fresh_grids(const std::string& name) {
    place(name);
    obl_rozklad_pot();
}

void register_all() {
    for (const char* name : {"dipole", "capacitor", "14"}) {
        benchmark::RegisterBenchmark((std::string("obl_rozklad_pot/") + name).c_str(),
                                     [name](benchmark::State& state) {
                                         place(name);
                                         for (auto _ : state) obl_rozklad_pot();
                                     });
    }
    benchmark::RegisterBenchmark("rysuj_rozklad_pot/capacitor", [](benchmark::State& state) {
        Canvas board(board_size, board_size);
        fresh_grids("capacitor");
        for (auto _ : state) rysuj_rozklad_pot(board);
    });
    for (const char* name : {"dipole", "capacitor"}) {
        benchmark::RegisterBenchmark((std::string("linie_ekwipotencjalne/") + name).c_str(),
                                     [name](benchmark::State& state) {
                                         Canvas board(board_size, board_size);
                                         fresh_grids(name);
                                         for (auto _ : state) linie_ekwipotencjalne(board);
                                     });
    }
    for (const char* name : {"capacitor", "14"}) {
        benchmark::RegisterBenchmark((std::string("linie_sil/") + name).c_str(),
                                     [name](benchmark::State& state) {
                                         Canvas board(board_size, board_size);
                                         fresh_grids(name);
                                         for (auto _ : state) linie_sil(board);
                                     });
    }
    benchmark::RegisterBenchmark("rysuj_linie_sil/dipole", [](benchmark::State& state) {
        Canvas board(board_size, board_size);
        place("dipole");
        for (auto _ : state) rysuj_linie_sil(board, 0, 50);
    });
    // One frame of a dragged charge: the board from scratch with all three pictures.
    benchmark::RegisterBenchmark("drag/14", [](benchmark::State& state) {
        Canvas board(board_size, board_size);
        place("14");
        for (auto _ : state) {
            start(board);
            draw_charge_markers(board);
            obl_rozklad_pot();
            rysuj_rozklad_pot(board);
            minV_maxV();
            linie_ekwipotencjalne(board);
            linie_sil(board);
        }
    });
    // Whole commands through the window, from stale grids, repaints of the bar included.
    const std::pair<const char*, void (TForm1::*)()> commands[] = {
        {"command/RysujB1Click/14", &TForm1::RysujB1Click},
        {"command/RysujB2Click/14", &TForm1::RysujB2Click},
        {"command/RysujB3Click/14", &TForm1::RysujB3Click},
    };
    for (const auto& [label, handler] : commands) {
        benchmark::RegisterBenchmark(label, [handler = handler](benchmark::State& state) {
            DesktopWindow form;
            place("14");
            // Charges placed behind the window's back: tell it the board holds some, as placing
            // them by hand would, or its guard turns every command away.
            form.logic().state().scene_stage = SceneStage::with_charges;
            BoardView* const board = form.control<BoardView>("Image1");
            for (auto _ : state) {
                form.logic().state().grids_stale = true;
                (form.logic().*handler)();
                board->repaint();
            }
        });
    }
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
