#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace gui {

// The program's own artwork, drawn here: the program's icon and the toolbar's pictures.
QPixmap programIcon(int size);
// A picture named by an image control's key; null when the key is unknown.
QPixmap picture(std::string_view key, QSize size);
// Toolbar pictures by number: 1 a blank sheet, 2 an opening folder, 3 a diskette, 4 a sheet under a
// magnifying glass, 5 a printer.
QIcon toolbarIcon(int number);

} // namespace gui
