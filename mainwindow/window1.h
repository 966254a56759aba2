#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/store_errors.h"
#include "controls/splitview.h"
#include "controls/typeaheadlistbox.h"
#include "framework/fw_controls.h"
#include "framework/fw_window.h"

// The main window: the entry list on the left, the selected entry's editor on
// the right, the status band above and the command band below. Reached
// everywhere as fw::Shared<Window1>(); other windows use its typed members.
class Window1 : public fw::Window {
 public:
  Window1();

  // The geometry recorded for the preferences file.
  int32_t wWidth = 0;
  int32_t wHeight = 0;
  int32_t wLeft = 0;
  int32_t wTop = 0;
  int32_t liWidth = 0;

  // The controls, in creation order; set while the window builds.
  Splitview* Splitview1 = nullptr;
  TypeAheadListBox* ListBox1 = nullptr;
  fw::GroupBox* GroupBox1 = nullptr;
  fw::TextField* descrFld = nullptr;
  fw::TextField* userFld = nullptr;
  fw::TextField* pswdFld = nullptr;
  fw::TextField* urlFld = nullptr;
  fw::TextArea* noteFld = nullptr;
  fw::StaticText* StaticText1 = nullptr;
  fw::StaticText* StaticText2 = nullptr;
  fw::StaticText* StaticText3 = nullptr;
  fw::StaticText* StaticText4 = nullptr;
  fw::StaticText* StaticText5 = nullptr;
  fw::PushButton* saveBtn = nullptr;
  fw::Canvas* Canvas1 = nullptr;
  fw::PushButton* goBtn = nullptr;
  fw::Separator* Separator1 = nullptr;
  fw::StaticText* lastUpdated = nullptr;
  fw::StaticText* counter = nullptr;
  fw::StaticText* StaticText6 = nullptr;
  fw::StaticText* StaticText7 = nullptr;
  fw::Separator* Separator2 = nullptr;
  fw::BevelButton* addbtn = nullptr;
  fw::BevelButton* delBtn = nullptr;
  fw::BevelButton* lockBtn = nullptr;

  // The lock state lives in the lock button's caption: "Unlock" while locked.
  bool IsLocked() const;
  // Locks an unlocked store and unlocks a locked one (the prompt's OK).
  void ToggleLock();

  // The split view's questions.
  void Splitview1_Open();
  bool Splitview1_CanCollapseSubview(fw::RectControl& subview);
  bool Splitview1_MinSizeOfSubview(fw::RectControl& subview, int32_t& size);

  // The controls' handlers.
  void ListBox1_Change();
  void descrFld_TextChange();
  void saveBtn_Action();
  void Canvas1_MouseEnter();
  void Canvas1_MouseExit();
  void goBtn_Action();
  void addbtn_Action();
  void delBtn_Action();
  void lockBtn_Action();

  // Appends rows of cells to the list, all at once. A row with more cells
  // than the list has columns widens it; the list still shows the
  // description alone, however wide it grows.
  void AppendEntries(std::vector<std::vector<std::string>>&& rows);

  // The store files: read when the window opens, written when it closes.
  void loadPrefs();
  // Whether loadPrefs read both files whole (a missing file counts as read):
  // only then does the close save.
  bool storeReadWhole = false;
  // Writes the data file, then the preferences file, each put in place only
  // once it is complete. Nothing when both were saved, else the file that
  // could not be (the data file stops the save before the preferences file).
  std::optional<StoreWriteFailure> savePrefs();
  // Writes every entry to a text file the user names ("export" is a keyword).
  void Export();

 protected:
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  void Event_Open() override;
  void Event_Moved() override;
  void Event_Resized() override;
  bool Event_CancelClose(bool appQuitting) override;
};
