#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "select/game_tree_contents.h"

namespace dravicor {

// One node of the open-game tree: a folder, a game or a placeholder.
class GameTreeNode {
public:
    GameTreeNode(const TreeEntry& entry, GameTreeNode* parent) : entry_(entry), parent_(parent) {}

    int key() const { return entry_.key; }
    const std::string& caption() const { return entry_.caption; }
    int icon() const { return entry_.icon; }
    int selectedIcon() const { return entry_.selectedIcon; }
    GameTreeNode* parent() const { return parent_; }
    const std::vector<std::unique_ptr<GameTreeNode>>& children() const { return children_; }

    bool isGame() const { return IsGameKey(key()); }
    bool isFolder() const { return IsFolderKey(key()); }
    bool isPlaceholder() const { return IsPlaceholderKey(key()); }
    // A folder whose games have not been read yet: its only child is the
    // placeholder that gives it an expand button.
    bool awaitsFilling() const {
        return !children_.empty() && children_.front()->key() == TreeKey::Placeholder;
    }
    // The key of the folder the node lies in; 0 at the top level.
    int parentKey() const { return parent_ ? parent_->key() : 0; }

private:
    friend class GameTree;
    TreeEntry entry_;
    GameTreeNode* parent_;
    std::vector<std::unique_ptr<GameTreeNode>> children_;
};

// What filling a folder found: the node of the game asked for, when the
// folder holds it, or the reason it could not be filled (the folder then
// keeps its placeholder, so a later try reads again).
struct FolderFill {
    GameTreeNode* selected = nullptr;
    std::string problem;
};

// The open-game tree: the fixed folders laid out once, the folders of games
// filled when they are first opened. Node pointers stay valid until their
// folder is refreshed.
class GameTree {
public:
    // The games of a folder, by its key; may raise CatalogueError.
    using ContentsReader = std::function<std::vector<TreeEntry>(int folderKey)>;

    explicit GameTree(ContentsReader contents);

    const std::vector<std::unique_ptr<GameTreeNode>>& roots() const { return roots_; }

    // The folder with the key, or nothing (game nodes are not searched).
    GameTreeNode* findFolder(int key) const;

    // Fills a folder still holding its placeholder, then looks for the node
    // of `code` among its children (-1 looks for nothing).
    FolderFill fillFolder(GameTreeNode& folder, int code);

    // Reads the folder's games again (after the favourites or the customized
    // games changed). Nothing when no folder has the key.
    std::optional<FolderFill> refreshFolder(int key);

    // The first showing of the dialog: the folder of `treeKey` is filled and
    // the node of the current game in it is returned; nothing when the key
    // names no folder or the folder does not hold the game.
    FolderFill firstShowing(int treeKey, int currentCode);

private:
    GameTreeNode& add(GameTreeNode* parent, const TreeEntry& entry);
    void addPlaceholder(GameTreeNode& folder);

    ContentsReader contents_;
    std::vector<std::unique_ptr<GameTreeNode>> roots_;
};

}  // namespace dravicor
