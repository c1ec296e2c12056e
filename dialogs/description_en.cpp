// "Program description": the description page as an English physics teacher writes it, with the
// terms of docs/glossary.md and the English captions of the window.
#include "dialogs/description_runs.h"
#include "dialogs/help_texts.h"

using namespace description_run;

const std::vector<DescriptionRun>& english_description_runs() {
    static const std::vector<DescriptionRun> runs = {
        // 1
        blue_italic("The electric field strength "),
        plain("is defined as the force acting on a test charge "),
        italic("q"),
        subscript("0"),
        plain(" (placed at a given point in space) divided by that charge: "),
        bold_italic("E "),
        plain("= "),
        bold_italic("F"),
        plain("/"),
        italic("q"),
        subscript("0"),
        plain(". "),
        plain("   "),
        plain("The direction of the field "),
        bold_italic("E "),
        plain("in space can be shown graphically by "),
        blue_italic("field lines "),
        plain("(lines of force). They are the lines to which the vector "),
        bold_italic("E "),
        plain("is tangent at every point. Field lines always start on positive charges "),
        plain("and end on negative charges."),
        // 2
        paragraph("Since the potential energy of a charge in an electric field "),
        plain("depends on the size of that charge, it is more convenient to describe the field "),
        plain("by the potential energy per unit charge, that is, by the "),
        blue_italic("electric potential. "),
        // 3
        paragraph("The electric potential is defined as the potential energy "),
        plain("of a test charge in the field divided by that charge:       "),
        italic("V "),
        plain("= "),
        italic("E"),
        subscript("p"),
        italic("/q"),
        subscript("0"),
        plain(". "),
        // 4
        paragraph("Just as the electric field strength is pictured "),
        plain("by field lines, the electric potential can also be shown "),
        plain("graphically. To do this we draw equipotential surfaces or "),
        blue_italic("equipotential lines"),
        plain(", which join the points in space that are at the same potential."),
        // 5
        paragraph("The program draws the "),
        blue_italic("electric field lines "),
        plain("and the potential distribution of a given arrangement of static charges. "),
        // 6
        paragraph("Charges are placed with the “"),
        blue_plain("Charges - Add/Remove"),
        plain("” panel. You can choose one of the ready-made arrangements of charges "),
        plain("(for example a dipole) by clicking its icon, or build an arrangement of your own. "),
        plain("To do this, choose the icon with a single charge, then click the "),
        plain("board at the point where the charge should go. The coordinates are "),
        plain("shown all the time in the “"),
        blue_plain("Parameters"),
        plain("” panel. At most "),
        plain("14 charges can be placed on the board. The “"),
        blue_plain("Remove a charge"),
        plain("” button removes the charges you click. "),
        // 7
        paragraph("In the “"),
        blue_plain("Field lines"),
        plain("” panel you can "),
        plain("choose “"),
        blue_plain("Auto"),
        plain("” to draw "),
        plain("a set of field lines automatically, or draw single lines by clicking chosen "),
        plain("points on the board after choosing “"),
        blue_plain("F(r)"),
        plain("”."),
        // 8
        paragraph("In the same way, the potential distribution is drawn automatically "),
        plain("by choosing “"),
        blue_plain("V(r)"),
        plain("” in the “"),
        blue_plain("Potential distribution"),
        plain("” panel. “"),
        blue_plain("Auto"),
        plain("” draws lines of constant potential automatically, and “"),
        blue_plain("V=const"),
        plain("” draws such lines through points you click on the board."),
        // 9
        paragraph("(The field lines and the potential distribution "),
        plain("can also be chosen from the menu.)"),
        // 10
        paragraph("The components of the electric field strength and the potential at a given "),
        plain("point are shown in the “"),
        blue_plain("Parameters"),
        plain("” panel. The “"),
        blue_plain("Clear"),
        plain("” button removes the field or potential picture shown, and a second "),
        plain("click removes the charges."),
        // 11
        paragraph("More about the electric field "),
        plain("can be read in the physics lecture notes, in Polish, "),
        plain("(Lectures 17–19) on the website "),
        {maker_web_address(), ink_blue, style_italic | style_underline},
        plain("."),
    };
    return runs;
}
