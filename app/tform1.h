#pragma once

#include "app/picture.h"
#include "app/screen.h"
#include "app/toggles.h"
#include "model/charges.h"
#include "model/ports.h"
#include "render/canvas.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The keys a focused board answers: four cursor moves, the centre, and a click at the cursor.
enum class BoardKey { left, right, up, down, home, activate };

// The main window's behaviour, free of any toolkit: every handler, the eight toggle states, the
// readout texts, the board tooltip switch and the board canvas. A shell forwards each button
// click, menu choice, board click and pointer move, then mirrors what changed.
class TForm1 final : private BoardPort {
  public:
    // Runs the start-up sequence at once; the screen must outlive the window.
    explicit TForm1(Screen& screen);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // A user's click on a toggle button: flips it (pressing one of the six raises the other
    // five), then runs its handler.
    void click(Toggle button);
    // A click on the button or menu item of this form name: a toggle button as click() does it,
    // anything else by running its handler. False, doing nothing, for a name the form lacks.
    bool click(std::string_view control);

    // A key on the focused board: a move steps the cursor one pixel (ten with shift), clamped to
    // the board, home puts it on the centre pixel; each is a pointer move there. Activate is a
    // board click at the cursor, as a mouse press there makes it.
    void board_key(BoardKey key, bool shift);
    // The keyboard cursor in board pixels: the last pointer position, the centre before any.
    std::array<int, 2> cursor() const { return cursor_; }

    // Handlers, named after their control or menu item.
    void FormCreate();
    void Image1MouseMove(int X, int Y);
    void Image1Click();
    void SpeedB1Click();
    void SpeedB2Click();
    void SpeedB3Click();
    void SpeedB4Click();
    void SpeedB5Click();
    void SpeedB6Click();
    void Button1Click();
    void Koniec1Click();
    void RysujB1Click();
    void rozkladpotencjaluClick();
    void RysujB2Click();
    void Linieekwipotencjalne1Click();
    void RysujB5Click();
    void Vconst1Click();
    void RysujB3Click();
    void Liniesil1Click();
    void RysujB4Click();
    void Fr1Click();
    void Opisprogramu1Click();
    void Oprogramie1Click();

    bool down(Toggle button) const { return down_[index(button)]; }
    // Label1..Label5 as UTF-8, index 0..4.
    const std::array<std::string, 5>& labels() const { return labels_; }
    // Whether the board shows its tooltip "Kliknij".
    bool board_tooltip() const { return board_tooltip_; }
    // What the board shows besides the empty board and the charges, as short Polish phrases in
    // the order they were drawn ("mapa potencjału", "linia sił przez (50, 0)", ...).
    const std::vector<std::string>& pictures() const { return pictures_; }
    // The stored charges and the pictures, as a saved picture of the board describes them.
    std::string picture_description() const {
        return ::picture_description(stored_charges(), pictures_);
    }
    const Canvas& board() const { return board_; }
    Canvas& board() { return board_; }

  private:
    static constexpr int index(Toggle button) { return static_cast<int>(button); }
    // raise sets a button up, press sets it down (one of the six pressed raises the other
    // five); neither runs a handler.
    void raise(Toggle button);
    void press(Toggle button);
    void raise_six();
    void raise_all_eight();

    void start() override;
    void rysuj_lad(int slot) override;
    // The empty board with every stored charge on it.
    void redraw_charges();
    // Records what a picture command drew and says it; a board repainted empty forgets it all.
    void drew(std::initializer_list<std::string> phrases);
    void board_cleared() { pictures_.clear(); }
    void colour_map_command();
    void equipotential_family_command();
    void equipotential_command();
    void field_line_family_command();
    void field_line_command();

    Screen& screen_;
    Canvas board_;
    std::array<bool, toggle_count> down_{};
    std::array<std::string, 5> labels_;
    bool board_tooltip_ = false;
    std::vector<std::string> pictures_;
    std::array<int, 2> cursor_{board_size / 2, board_size / 2};
};
