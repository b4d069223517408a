// Writes glintctl's man page from its template, with the modes' names from the mode table in
// place of the template's marker, so that the page lists exactly the modes glintctl takes:
//   glintctl_man_page TEMPLATE OUTPUT
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/command_table.h"
#include "led/led_mode_names.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: glintctl_man_page TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ostringstream text;
    text << in.rdbuf();
    std::string page = text.str();
    const std::string marker = "@GLINT_MODE_LIST@";
    const std::size_t at = page.find(marker);
    if (!in || at == std::string::npos) {
        std::cerr << argv[1] << ": no " << marker << " to fill in\n";
        return 1;
    }
    // One bold name after another, the separators in roman: auto, on, ... or colorloop.
    page.replace(at, marker.size(),
                 ".BR " + glintctl::ListOfWords(ModeNames(), " \", \" ", " \" or \" ") + " .");
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    return out.good() ? 0 : 1;
}
