#pragma once

#include <string_view>

#include <QIcon>

namespace dravicor {

class ResourceLibrary;

// The picture of a toolbar button, by its hint ("New", "Open", "Save",
// "Undo", "Redo", "Autoplay", "Hint", "Statistics", "Rules", "Restart", "Exit").
// Undo, Redo and Autoplay take the resource library's pictures ("TB_UNDO"
// and "TB_UNDO_DIS" for the disabled button ...), their grey button face
// made transparent; the others, and these three without a library, are
// drawn here. A null icon for any other hint.
QIcon ToolbarIcon(std::string_view hint, const ResourceLibrary* library);

}  // namespace dravicor
