// Stand-in for the import until it is built: the data-source dialog opens empty and closes by
// its defaults.
#include "import/import.h"

namespace import {

bool dlg_wybor_bazy_eh(kb::Context&, const platform::Event&) { return false; }

}  // namespace import
