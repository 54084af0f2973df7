#include "ui/table_setup.h"

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "ui/resource_library.h"
#include "ui/table_widget.h"

namespace dravicor {

void PrepareTable(TableWidget& table, const ResourceLibrary& library, const SettingsRecord& settings) {
    table.setTablePictures({library.LoadNamedBitmap("BMP_PAUSE_1"), library.LoadNamedBitmap("BMP_PAUSE_2"),
                            library.LoadNamedBitmap("Panel_pk")});
    table.setScaledToWindow(ConfigFile(settings).ReadString(kPreferenceSection, "Table_Scaled", "Y") != "N");
}

}  // namespace dravicor
