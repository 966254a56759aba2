#include "app/menu_enabling.h"

void EnableFileMenuItems(MenuBar1& bar, const std::string& lockCaption, int listCount) {
  bool unlocked = lockCaption == "Lock";
  bar.Child("FileMenu")->Child("FileExport")->Enabled(unlocked && listCount > 0);
  bar.Child("FileMenu")->Child("FileImport")->Enabled(unlocked);
}
