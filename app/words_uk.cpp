#include "app/form.h"
#include "app/words.h"

// The terms follow docs/glossary.md.
const Words ukrainian_words{
    .language = Language::ukrainian,
    .code = "uk",
    .charges = {"%1 заряд", "%1 заряди", "%1 зарядів"},

    .program_name = "Ardenika",
    .too_many_charges = "Щонайбільше %1!",
    .board_hint = "Клацніть",

    .readout_x = "X = %1",
    .readout_y = "Y = %1",
    .readout_v = "V[%1,%2]  = %3",
    .readout_ex = "Ex[%1,%2] = %3",
    .readout_ey = "Ey[%1,%2] = %3",
    .readout_start_value = "0",

    .drew = "Намальовано: %1",
    .list_separator = ", ",
    .colour_map = "карта потенціалу",
    .equipotentials = "еквіпотенціальні лінії",
    .equipotential_at = "еквіпотенціальна лінія через (%1, %2)",
    .field_lines = "силові лінії поля",
    .field_line_at = "силова лінія через (%1, %2)",

    .charges_are = "Заряди (x, y, знак): %1",
    .no_charges = "немає",
    .nothing_drawn = "нічого, крім зарядів",

    .copy_picture = "Копіювати зображення",
    .save_picture = "Зберегти зображення…",
    .save_dialog_title = "Зберегти зображення",
    .png_scale_1 = "PNG 1x, 1 піксель на піксель дошки (*.png)",
    .png_scale_2 = "PNG 2x, 2 x 2 пікселі на піксель дошки (*.png)",
    .png_scale_4 = "PNG 4x, 4 x 4 пікселі на піксель дошки (*.png)",
    .save_failed = "Не вдалося зберегти зображення у файл\n%1\n\n%2",
    .save_failed_here = "Не вдалося зберегти зображення у файл\n%1",
    .picture_texts_failed = "Не вдалося додати до зображення опис дошки.",

    .open_picture = "Відкрити зображення…",
    .open_dialog_title = "Відкрити зображення",
    .png_files = "Зображення PNG (*.png)",
    .undo = "Скасувати",
    .redo = "Повторити",
    .opened = "Дошку відкрито",
    .undone = "Зміну скасовано",
    .redone = "Зміну повернено",
    .read_failed = "Не вдалося прочитати файл\n%1\n\n%2",
    .not_a_file = "Це не звичайний файл.",
    .paste_board = "Вставити дошку",
    .setup_empty = "Опис дошки порожній.",
    .setup_not_a_setup = "Цей текст не описує дошку програми Ardenika.",
    .setup_damaged = "Опис дошки пошкоджено (елемент %1: «%2»).",
    .setup_newer_version = "Цей опис дошки створено новішою версією програми Ardenika.",
    .setup_too_many_charges = "В описі дошки більше ніж %1.",
    .setup_point_off_board = "Точка (%1, %2) лежить поза дошкою.",
    .setup_too_long = "Опис дошки задовгий.",
    .picture_too_large = "Файл завеликий для зображення дошки (понад 16 МБ).",
    .picture_not_png = "Це не зображення PNG.",
    .picture_damaged = "Файл обрізаний або пошкоджений.",
    .picture_no_setup = "Це зображення не містить опису дошки програми Ardenika.",
    .picture_setup_too_long = "Опис дошки, збережений у цьому зображенні, задовгий.",

    .moving_positive = "Переміщення додатного заряду, (%1, %2)",
    .moving_negative = "Переміщення від’ємного заряду, (%1, %2)",
    .put_positive = "Додатний заряд покладено в (%1, %2)",
    .put_negative = "Від’ємний заряд покладено в (%1, %2)",
    .put_back = "Заряд повернувся на своє місце",

    .ok = "OK",
    .close = "Закрити",
    .menu_bar = "Меню",
    .program_ended = "Роботу програми Ardenika завершено.",
    .start_again = "Запустити знову",

    .no_display = "Програмі Ardenika потрібен графічний екран, але жодного не знайдено (DISPLAY "
                  "і WAYLAND_DISPLAY не встановлено).",
    .display_unreachable = "Ardenika не може відкрити графічний екран %1.",
    .run_virtually = "Запустіть її у графічному сеансі або без нього, на віртуальному "
                     "екрані:\nxvfb-run -a %1",
};

namespace {

// The hint says in full what a caption shortened to fit its control leaves out.
constexpr FormWords ukrainian_form[] = {
    {"main_window", "Ardenika"},
    {"readout_group", " Параметри "},
    {"x_readout", "X = 0"},
    {"y_readout", "Y = 0"},
    {"v_readout", "V[0,0]  = 0"},
    {"ex_readout", "Ex[0,0] = 0"},
    {"ey_readout", "Ey[0,0] = 0"},
    {"progress_group", " Хід обчислень "},
    {"computation_progress", "", "", "Хід обчислень"},
    {"charges_group", "Заряди - Додати/Вилучити"},
    {"add_positive_tool", "", "Додати додатний заряд", "Додати додатний заряд"},
    {"add_negative_tool", "", "Додати від’ємний заряд", "Додати від’ємний заряд"},
    {"quadrupole_button", "", "Розмістити квадруполь", "Розмістити квадруполь"},
    {"dipole_button", "", "Розмістити диполь", "Розмістити диполь"},
    {"capacitor_button", "", "Розмістити плоский конденсатор", "Розмістити плоский конденсатор"},
    {"remove_tool", "", "Вилучити заряд", "Вилучити заряд"},
    {"potential_group", "Розподіл потенціалу"},
    {"colour_map_button", "V(r)", "Розподіл потенціалу", "Карта потенціалу V(r)"},
    {"equipotentials_button", "Авто", "Еквіпотенціальні лінії - АВТО",
     "Еквіпотенціальні лінії, авто"},
    {"equipotential_tool", "V=const", "Еквіпотенціальні лінії",
     "Еквіпотенціальна лінія через точку, V=const"},
    {"field_lines_group", "Силові лінії"},
    {"field_lines_button", "Авто", "Силові лінії - АВТО", "Силові лінії поля, авто"},
    {"field_line_tool", "F(r)", "Силові лінії", "Силова лінія через точку, F(r)"},
    {"clear_button", "Стерти", "Стерти з дошки", "Стерти з дошки"},
    {"board", "", "", "Дошка"},

    {"potential_menu", "Потенціал"},
    {"colour_map_item", "Розподіл V(r)"},
    {"equipotentials_item", "Авто"},
    {"equipotential_item", "V=const"},
    {"field_menu", "Поле"},
    {"field_lines_item", "Авто"},
    {"field_line_item", "F(r)"},
    {"end_item", "&Вихід"},
    {"language_menu", "Język / Мова / Language"},
    {"language_pl_item", "Polski"},
    {"language_uk_item", "Українська"},
    {"language_en_item", "English"},
    {"help_menu", "Довідка"},
    {"description_item", "Опис програми"},
    {"about_item", "Про програму"},
};

} // namespace

std::span<const FormWords> ukrainian_form_words() {
    return ukrainian_form;
}
