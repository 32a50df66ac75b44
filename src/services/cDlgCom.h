// The system's open, save and folder choosers behind one object: set the
// inputs, call one Show operation, read the results. Every field keeps its
// value from one call to the next.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/dialogues_systeme.h"

namespace pixavue {

class cDlgCom {
 public:
  explicit cDlgCom(DialoguesSysteme& dialogues) : dialogues_(dialogues) {}

  // True when the user confirmed a choice; false on a cancel or a failure.
  // A preset Filename longer than the file buffer throws Echec before any
  // chooser opens.
  bool ShowOpen() { return ShowFileDialog(true); }
  bool ShowSave() { return ShowFileDialog(false); }
  bool ShowOpenFolder();

  const std::wstring& Folder() const { return Folder_; }
  const std::wstring& Filename() const { return Filename_; }
  void set_Filename(const std::wstring& sFileNameA) { Filename_ = sFileNameA; }
  const std::wstring& DialogTitle() const { return DialogTitle_; }
  void set_DialogTitle(const std::wstring& sDialogTitleA) { DialogTitle_ = sDialogTitleA; }
  std::int32_t Flags() const { return Flags_; }
  void set_Flags(const std::int32_t& lngFlagsA) { Flags_ = lngFlagsA; }
  // Despite its name, the owner window of the three choosers; 0 for none.
  std::int32_t hdcOwner() const { return hdcOwner_; }
  void set_hdcOwner(const std::int32_t& lnghdcOwnerA) { hdcOwner_ = lnghdcOwnerA; }
  const std::wstring& Filter() const { return Filter_; }
  void set_Filter(const std::wstring& sFilterA) { Filter_ = sFilterA; }
  std::int32_t FilterIndex() const { return FilterIndex_; }
  void set_FilterIndex(const std::int32_t& lngFilterIndexA) { FilterIndex_ = lngFilterIndexA; }
  const std::wstring& InitDir() const { return InitDir_; }
  void set_InitDir(const std::wstring& sInitDirA) { InitDir_ = sInitDirA; }
  const std::wstring& FileTitle() const { return FileTitle_; }
  const std::wstring& DefaultEx() const { return DefaultEx_; }
  void set_DefaultEx(const std::wstring& sDefaultExA) { DefaultEx_ = sDefaultExA; }

 private:
  bool ShowFileDialog(bool ouvrir);

  DialoguesSysteme& dialogues_;
  std::wstring Filename_, FileTitle_, DefaultEx_, InitDir_, Filter_, DialogTitle_, Folder_;
  std::int32_t FilterIndex_ = 0, hdcOwner_ = 0, Flags_ = 0;
};

// "Desc|masks|Desc|masks" as the system wants it: every "|" a NUL, and two
// NULs more at the end.
std::wstring filtre_systeme(std::wstring_view filtre);
// A chooser's title: nothing for the system's own when empty.
std::optional<std::wstring> titre_ou_rien(const std::wstring& titre);

}  // namespace pixavue
