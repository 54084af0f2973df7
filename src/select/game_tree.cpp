#include "select/game_tree.h"

#include <stdexcept>

namespace dravicor {

namespace {

GameTreeNode* FindFolderIn(const std::vector<std::unique_ptr<GameTreeNode>>& nodes, int key) {
    for (const auto& node : nodes) {
        if (!node->isFolder()) continue;
        if (node->key() == key) return node.get();
        if (GameTreeNode* found = FindFolderIn(node->children(), key)) return found;
    }
    return nullptr;
}

}  // namespace

GameTree::GameTree(ContentsReader contents) : contents_(std::move(contents)) {
    for (const FixedFolder& folder : FixedFolders()) {
        GameTreeNode* parent = folder.parent == 0 ? nullptr : findFolder(folder.parent);
        GameTreeNode& node =
            add(parent, {folder.key, std::string(folder.caption), folder.icon, folder.selectedIcon});
        if (IsFilledFolder(folder.key)) addPlaceholder(node);
    }
}

GameTreeNode& GameTree::add(GameTreeNode* parent, const TreeEntry& entry) {
    auto& siblings = parent ? parent->children_ : roots_;
    siblings.push_back(std::make_unique<GameTreeNode>(entry, parent));
    return *siblings.back();
}

void GameTree::addPlaceholder(GameTreeNode& folder) {
    add(&folder, {TreeKey::Placeholder, "", TreeIcon::Placeholder, TreeIcon::Placeholder});
}

GameTreeNode* GameTree::findFolder(int key) const { return FindFolderIn(roots_, key); }

FolderFill GameTree::fillFolder(GameTreeNode& folder, int code) {
    FolderFill fill;
    if (folder.awaitsFilling()) {
        std::vector<TreeEntry> entries;
        try {
            entries = contents_(folder.key());
        } catch (const std::runtime_error& error) {
            fill.problem = error.what();
            return fill;
        }
        folder.children_.clear();
        for (const TreeEntry& entry : entries) add(&folder, entry);
    }
    if (code >= 0) {
        for (const auto& child : folder.children()) {
            if (child->key() == code) {
                fill.selected = child.get();
                break;
            }
        }
    }
    return fill;
}

std::optional<FolderFill> GameTree::refreshFolder(int key) {
    GameTreeNode* folder = findFolder(key);
    if (!folder) return std::nullopt;
    folder->children_.clear();
    addPlaceholder(*folder);
    return fillFolder(*folder, -1);
}

FolderFill GameTree::firstShowing(int treeKey, int currentCode) {
    GameTreeNode* folder = findFolder(treeKey);
    if (!folder) return {};
    return fillFolder(*folder, currentCode);
}

}  // namespace dravicor
