#pragma once
#include <QObject>
#include <filesystem>

#include "app/selectable_paths.h"
#include "dictionary/catalogue.h"

namespace lexorin {

class LanguageController;
class MainForm;

// The group and single-dictionary commands: which group is shown, and
// loading each group's dictionaries on its first activation.
class CatalogueController : public QObject {
  Q_OBJECT
 public:
  CatalogueController(MainForm& form, LanguageController& language, std::filesystem::path programFolder);

  // The five group commands, as a click on the group's menu item runs them.
  void ActivateGroup(GroupId group);
  // The six single-dictionary commands: show the dictionary in the
  // selectable pane, reloading it every time.
  void ActivateSingleDictionary(const SingleDictionaryInfo& single);
  // Loads the selectable paths into the selectable pane; message 0 on
  // failure, keeping the dictionary it showed before.
  bool LoadSelectableDictionary();
  void TntTabControlChange(int index);

  SelectablePaths& selectablePaths() { return selectablePaths_; }
  std::filesystem::path DataFolder() const { return programFolder_ / "Data"; }

 private:
  void ActivateBuiltInGroup(const GroupInfo& group);
  void ActivateSelectable();
  void ActivateEditable();
  void ShowLoadedGroup(const GroupInfo& group);
  void RestoreTabAfterFailure(GroupId failed);

  MainForm& form_;
  LanguageController& language_;
  std::filesystem::path programFolder_;
  SelectablePaths selectablePaths_;
};

}  // namespace lexorin
