#pragma once

#include "app/screen_header.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_data.h"
#include "platform/result.h"

namespace platform {
class Control;
}

namespace app {

struct Program;

// The project file: 199 lines, one value each, line N always holding the same item.
inline constexpr int kProjectLines = 199;

enum class LineKind {
    Choice, // an option button: "True" / "False"
    Check,  // a check box: " 0 " / " 1 "
    List,   // a bar-arrangement list position: " 0 " … " 20 ", "-1 "
    Real,   // a design value in the general number form: " .7133 "
    Text,   // a box's text, a label's caption or a combo box's text, unchanged
    Number, // a box's text or a label's caption read as a number: unchanged, within the single range
};

// Where a line comes from and goes to: a control of a form, or a design value (Real lines).
struct ProjectLine {
    std::string_view form;
    std::string_view control;
    LineKind kind;
    float model::DesignData::*value = nullptr;
    // The box's name in messages, as its screen shows it: its caption, with the heading it stands under
    // where the caption alone repeats on the screen; for a box on the wall's drawing, which has no
    // caption, the part it gives. Empty for captions the program writes.
    std::string_view meaning = {};
    // A label whose caption, which the program changes, takes the place of "{}" in `meaning`.
    std::string_view captionLabel = {};
};

const std::array<ProjectLine, kProjectLines>& projectLines();
// The control a line names (its form is created if need be); null for a Real line.
platform::Control* projectControl(Program& prog, const ProjectLine& line);

// The file's 199 values as UTF-8 texts, each checked against its line, ready to be stored.
using ProjectImage = std::vector<std::string>;

// The 199 values of the current project, as written (texts with CR, LF or NUL carry a blank there). A
// text that code page 932 cannot hold is a fault naming the box.
platform::Result<ProjectImage> gatherProject(Program& prog);
// Writes the project with platform::writeLines; a fault names the file and the reason once.
platform::Status saveProject(Program& prog, const std::string& path);

// Reads and checks the whole file: missing, unreadable, not code page 932, shorter than 199 lines,
// or a value that its line cannot take (a number beyond the single range for a Number line) is a fault
// naming the file (and the line and box). Lines after the 199th are ignored.
platform::Result<ProjectImage> readProject(const std::string& path);
// Checks decoded lines as readProject does (without the file name).
platform::Result<ProjectImage> checkProject(std::vector<std::string> lines);

// Stores lines first … last (1-based) of a checked image into their destinations, as a user's edit
// would set them: option buttons, check boxes and lists run their Click, text boxes their Change.
void storeLines(Program& prog, const ProjectImage& image, int first, int last);

} // namespace app
