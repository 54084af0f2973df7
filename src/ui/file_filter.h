#pragma once

#include <string_view>

#include <QString>

namespace dravicor {

// Converts a file-type filter from the "Name|*.ext|Other|*.a;*.b" form the
// core uses to Qt's "Name (*.ext);;Other (*.a *.b)" form. A trailing name
// without patterns is dropped.
QString QtFileFilter(std::string_view filter);

}  // namespace dravicor
