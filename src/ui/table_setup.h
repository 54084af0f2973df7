#pragma once

namespace dravicor {

class ResourceLibrary;
class SettingsRecord;
class TableWidget;

// The table's pictures from the resource library and the player's choice of
// drawing it scaled to the window ("Table_Scaled", "Y" unless "N").
void PrepareTable(TableWidget& table, const ResourceLibrary& library, const SettingsRecord& settings);

}  // namespace dravicor
