#include "app/words.h"

#include <vector>

const Words polish_words{
    .language = Language::polish,
    .code = "pl",
    .charges = {"%1 ładunek", "%1 ładunki", "%1 ładunków"},

    .program_name = "Ardenika",
    .too_many_charges = "Maksymalnie %1!",
    .board_hint = "Kliknij",

    .readout_x = "X = %1",
    .readout_y = "Y = %1",
    .readout_v = "V[%1,%2]  = %3",
    .readout_ex = "Ex[%1,%2] = %3",
    .readout_ey = "Ey[%1,%2] = %3",
    .readout_start_value = "0",

    .drew = "Narysowano: %1",
    .list_separator = ", ",
    .colour_map = "mapa potencjału",
    .equipotentials = "linie ekwipotencjalne",
    .equipotential_at = "linia ekwipotencjalna przez (%1, %2)",
    .field_lines = "linie sił pola",
    .field_line_at = "linia sił przez (%1, %2)",

    .charges_are = "Ładunki (x, y, znak): %1",
    .no_charges = "brak",
    .nothing_drawn = "nic poza ładunkami",

    .copy_picture = "Kopiuj obraz",
    .save_picture = "Zapisz obraz…",
    .save_dialog_title = "Zapisz obraz",
    .png_scale_1 = "PNG 1x, 1 piksel na piksel planszy (*.png)",
    .png_scale_2 = "PNG 2x, 2 x 2 piksele na piksel planszy (*.png)",
    .png_scale_4 = "PNG 4x, 4 x 4 piksele na piksel planszy (*.png)",
    .save_failed = "Nie udało się zapisać obrazu do pliku\n%1\n\n%2",
    .save_failed_here = "Nie udało się zapisać obrazu do pliku\n%1",
    .picture_texts_failed = "Nie udało się dopisać do obrazu opisu planszy.",

    .open_picture = "Otwórz obraz…",
    .open_dialog_title = "Otwórz obraz",
    .png_files = "Obrazy PNG (*.png)",
    .undo = "Cofnij",
    .redo = "Ponów",
    .opened = "Otwarto planszę",
    .undone = "Cofnięto zmianę",
    .redone = "Przywrócono zmianę",
    .read_failed = "Nie udało się odczytać pliku\n%1\n\n%2",
    .not_a_file = "To nie jest zwykły plik.",
    .paste_board = "Wklej planszę",
    .setup_empty = "Opis planszy jest pusty.",
    .setup_not_a_setup = "Ten tekst nie opisuje planszy programu Ardenika.",
    .setup_damaged = "Opis planszy jest uszkodzony (element %1: „%2”).",
    .setup_newer_version = "Ten opis planszy pochodzi z nowszej wersji programu Ardenika.",
    .setup_too_many_charges = "Opis planszy ma więcej niż %1.",
    .setup_point_off_board = "Punkt (%1, %2) leży poza planszą.",
    .setup_too_long = "Opis planszy jest za długi.",
    .picture_too_large = "Plik jest za duży jak na obraz planszy (ma ponad 16 MB).",
    .picture_not_png = "To nie jest obraz PNG.",
    .picture_damaged = "Plik jest ucięty albo uszkodzony.",
    .picture_no_setup = "Ten obraz nie zawiera opisu planszy programu Ardenika.",
    .picture_setup_too_long = "Opis planszy zapisany w tym obrazie jest za długi.",

    .moving_positive = "Przesuwanie ładunku dodatniego, (%1, %2)",
    .moving_negative = "Przesuwanie ładunku ujemnego, (%1, %2)",
    .put_positive = "Ładunek dodatni odłożony w (%1, %2)",
    .put_negative = "Ładunek ujemny odłożony w (%1, %2)",
    .put_back = "Ładunek wrócił na swoje miejsce",

    .ok = "OK",
    .close = "Zamknij",
    .menu_bar = "Menu",
    .program_ended = "Program Ardenika został zakończony.",
    .start_again = "Uruchom ponownie",

    .too_many_points = "Można umieścić najwyżej 8 punktów pomiarowych (A–H).",
    .on_a_charge = "na ładunku",
    .no_direction = "brak",
    .header_point = "Punkt",
    .header_x = "x",
    .header_y = "y",
    .header_v = "V",
    .header_ex = "Ex",
    .header_ey = "Ey",
    .header_strength = "|E|",
    .header_direction = "Kierunek [°]",
    .header_distance = "Odległość",
    .header_reference = "Od",
    .reference_origin = "początek układu",
    .reference_charge = "ładunek %1 (%2, %3)",
    .reference_charge_row = "ładunek %1",
    .pair_difference = "ΔV = V(%2) − V(%1) = %3",
    .pair_distance = "Odległość %1%2 = %3",
    .pair_mean_field = "Średnie pole wzdłuż odcinka −ΔV/d = %1 (d w dziesiątkach pikseli)",
    .pair_midpoint_field = "Składowa pola wzdłuż %1%2 w środku odcinka = %3",
    .pair_not_placed = "Umieść oba punkty pary, aby je porównać.",
    .pair_same_place = "Punkty pary leżą w tym samym miejscu.",
    .pair_on_a_charge = "Punkt pary lub środek odcinka leży na ładunku.",
    .point_values = "Punkt %1 (%2, %3): V = %4, |E| = %5, kierunek %6°",
    .point_on_charge = "Punkt %1 (%2, %3) leży na ładunku",
    .point_placed = "Umieszczono punkt %1 w (%2, %3)",
    .point_removed = "Usunięto punkt %1",
    .points_removed = "Usunięto wszystkie punkty pomiarowe",
    .point_moving = "Punkt %1: (%2, %3)",
    .no_point = "Punkt %1 nie jest umieszczony.",
    .save_table_failed = "Nie udało się zapisać tabeli do pliku\n%1\n\n%2",
    .row_recorded = "Zapisano pomiar %1: punkt %2, V = %3",
    .row_deleted = "Usunięto wiersz %1",
    .table_cleared = "Wyczyszczono tabelę pomiarów",
    .table_copied = "Skopiowano tabelę pomiarów",
    .table_empty = "Tabela pomiarów jest pusta.",
    .save_table = "Zapisz tabelę pomiarów",
    .csv_files = "Plik CSV (*.csv)",
    .csv_file_name = "pomiary.csv",
    .decimal_mark = ",",

    .plot_v_title = "V",
    .plot_e_title = "E∥",
    .plot_s_title = "s [piksele]",
    .plot_extremes = "Największe V = %1 przy s = %2, najmniejsze V = %3 przy s = %4.",
    .plot_v_zero = "V = 0 przy s = %1.",
    .plot_no_v_zero = "V nigdzie nie jest równe 0.",
    .plot_e_zero = "E∥ = 0 (zmienia znak) przy s = %1.",
    .plot_no_e_zero = "E∥ nigdzie nie jest równe 0.",
    .plot_cuts = "Przerwy przy ładunkach: s = %1.",
    .plot_reading = "s = %1, V = %2, E∥ = %3",
    .plot_reading_cut = "s = %1: przy ładunku",
    .header_s = "s",
    .header_along = "E∥",
    .near_a_charge = "przy ładunku",
    .plot_copied = "Skopiowano wykres",
    .samples_copied = "Skopiowano próbki wykresu",
    .save_plot = "Zapisz wykres",
    .svg_files = "Obraz SVG (*.svg)",
    .png_files_1x = "PNG 1x (*.png)",
    .png_files_2x = "PNG 2x, do druku (*.png)",
    .plot_file_name = "wykres.svg",
    .samples_file_name = "probki.csv",

    .no_display = "Ardenika potrzebuje ekranu graficznego, a żadnego nie znaleziono (DISPLAY i "
                  "WAYLAND_DISPLAY nie są ustawione).",
    .display_unreachable = "Ardenika nie może otworzyć ekranu graficznego %1.",
    .run_virtually =
        "Uruchom go w sesji graficznej albo bez niej, na wirtualnym ekranie:\nxvfb-run -a %1",
};

const Words& words_for(Language language) {
    switch (language) {
    case Language::polish:
        break;
    case Language::ukrainian:
        return ukrainian_words;
    case Language::english:
        return english_words;
    }
    return polish_words;
}

std::optional<Language> language_of(std::string_view code) {
    for (const Language language : languages)
        if (words_for(language).code == code) return language;
    return std::nullopt;
}

const Words& words() {
    return words_for(default_language);
}

CountForm count_form(Language language, long long n) {
    if (n < 0) n = -n;
    const long long last = n % 10;
    const long long last_two = n % 100;
    const bool teens = last_two >= 12 && last_two <= 14;
    switch (language) {
    case Language::english:
        return n == 1 ? CountForm::one : CountForm::many;
    case Language::polish:
        if (n == 1) return CountForm::one;
        return last >= 2 && last <= 4 && !teens ? CountForm::few : CountForm::many;
    case Language::ukrainian:
        // 21, 31, ... take the singular; 11 does not.
        if (last == 1 && last_two != 11) return CountForm::one;
        return last >= 2 && last <= 4 && !teens ? CountForm::few : CountForm::many;
    }
    return CountForm::many;
}

std::string counted(const Words& w, const CountedWord& noun, long long n) {
    const CountForm form = count_form(w.language, n);
    const std::string_view pattern = form == CountForm::one   ? noun.one
                                     : form == CountForm::few ? noun.few
                                                              : noun.many;
    return fill(pattern, {std::to_string(n)});
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> args(values);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
