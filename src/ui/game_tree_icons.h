#pragma once

#include <vector>

#include <QIcon>
#include <QPixmap>

namespace dravicor {

class ResourceLibrary;

// The open-game tree's pictures, by the index the tree's nodes name, each
// with its dark red (128) left out. A picture the library lacks is an empty
// pixmap of the same size, so a node still lines up with the others.
class GameTreeIcons {
public:
    explicit GameTreeIcons(const ResourceLibrary& library);

    const QPixmap& picture(int index) const;
    // A node's icon: `selected` is drawn while the node is selected.
    QIcon icon(int index, int selected) const;
    std::size_t size() const { return pictures_.size(); }

private:
    std::vector<QPixmap> pictures_;
};

}  // namespace dravicor
