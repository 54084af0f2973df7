#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QCursor>
#include <QPixmap>

namespace dravicor {

// The resource library KVR.RGF of the program directory: the named
// bitmaps and cursors the windows ask for. It is a Qt binary resource
// (packed by rcc from the pictures tools/resources draws), registered for
// as long as the object lives. Cursors carry their hot spot in the PNG
// text keys "HotSpotX" and "HotSpotY".
class ResourceLibrary {
public:
    static constexpr std::string_view kFileName = "KVR.RGF";

    // The library of the program directory; nothing when the file is
    // missing or is no resource library.
    static std::unique_ptr<ResourceLibrary> Open(const std::filesystem::path& programDir);
    // What the program says before it ends without its library: "Can't
    // find/load " and the full path in lower case.
    static std::string LoadFailureMessage(const std::filesystem::path& programDir);

    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // A null pixmap, or no cursor, when the library holds no such name.
    QPixmap LoadNamedBitmap(std::string_view name) const;
    std::optional<QCursor> LoadNamedCursor(std::string_view name) const;

private:
    explicit ResourceLibrary(QString file) : file_(std::move(file)) {}
    QString file_;
};

}  // namespace dravicor
