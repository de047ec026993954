#include "framework/save_options.h"

#include "framework/settings_store.h"

namespace quillion::framework {
namespace {
constexpr const char* kSection = "SaveOp";
// A stored switch is 0 or 1; anything else is treated as set, as the program tests it.
int asSwitch(int value) { return value != 0 ? 1 : 0; }
}  // namespace

SaveOptions& saveOptions() {
  static SaveOptions options;
  return options;
}

void loadSaveOptions() {
  SettingsStore store;
  SaveOptions& o = saveOptions();
  o.alwaysShow = asSwitch(store.readInteger(kSection, "AA", o.alwaysShow));
  // The overwrite switch picks one of two radio buttons: out of range means append.
  o.overwrite = store.readIndex(kSection, "OW", o.overwrite, 2);
  o.includeHeader = asSwitch(store.readInteger(kSection, "IH", o.includeHeader));
  o.includeReviews = asSwitch(store.readInteger(kSection, "IR", o.includeReviews));
  o.promptComment = asSwitch(store.readInteger(kSection, "PC", o.promptComment));
  o.fileName = store.readText(kSection, "FN", o.fileName);
  o.ibwMethod = store.readIndex(kSection, "IM", o.ibwMethod, kIbwMethodCount);
  o.headerFile = store.readText(kSection, "HF", o.headerFile);
  o.lastChosenName = o.fileName;
}

void storeSaveOptions() {
  SettingsStore store;
  const SaveOptions& o = saveOptions();
  store.writeInteger(kSection, "AA", o.alwaysShow);
  store.writeInteger(kSection, "OW", o.overwrite);
  store.writeInteger(kSection, "IH", o.includeHeader);
  store.writeInteger(kSection, "IR", o.includeReviews);
  store.writeInteger(kSection, "PC", o.promptComment);
  store.writeText(kSection, "FN", o.fileName);
  store.writeInteger(kSection, "IM", o.ibwMethod);
  store.writeText(kSection, "HF", o.headerFile);
}

}  // namespace quillion::framework
