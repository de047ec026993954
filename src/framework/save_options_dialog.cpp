#include "framework/save_options_dialog.h"

#include "framework/data_exchange.h"
#include "framework/save_options.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace quillion::framework {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kControls[] = {
    {"fileLabel", ControlKind::Label, "File:", 0, 0},
    {"fileName", ControlKind::Label, "", 0, 1, 1, 2, platform::kWrap},
    {"browse", ControlKind::Button, "Browse...", 1, 1},
    {"append", ControlKind::Radio, "Append data end of file", 2, 0, 1, 3, platform::kGroup},
    {"overwrite", ControlKind::Radio, "Overwrite existing file", 3, 0, 1, 3},
    {"header", ControlKind::Check, "Include Header File at top", 4, 0, 1, 3, platform::kGroup},
    {"headerName", ControlKind::Label, "", 5, 0, 1, 2, platform::kWrap},
    {"headerBrowse", ControlKind::Button, "Header File...", 5, 2},
    {"comment", ControlKind::Check, "Prompt for Comment to be included", 6, 0, 1, 3},
    {"reviews", ControlKind::Check, "Include Reviews", 7, 0, 1, 3},
    {"ibw", ControlKind::Button, "Select IBW Method", 8, 0, 1, 2},
    {"always", ControlKind::Check, "Always show these options whenever Saving", 9, 0, 1, 3},
    {"ok", ControlKind::Button, "OK", 10, 0},
    {"cancel", ControlKind::Button, "Cancel", 10, 1},
};

IbwMethodChooser& ibwMethodChooser() {
  static IbwMethodChooser chooser;
  return chooser;
}

}  // namespace

void setIbwMethodChooser(IbwMethodChooser chooser) { ibwMethodChooser() = std::move(chooser); }

SaveOptionsDialog::SaveOptionsDialog() : Dialog("Save Options", kControls) {
  const SaveOptions& o = saveOptions();
  shownName_ = o.lastChosenName;
  headerFile_ = o.headerFile;
  overwrite_ = o.overwrite;
  includeHeader_ = o.includeHeader;
  promptComment_ = o.promptComment;
  includeReviews_ = o.includeReviews;
  alwaysShow_ = o.alwaysShow;
  ibwMethod_ = o.ibwMethod;
}

void SaveOptionsDialog::exchange(bool fromControls) {
  DataExchange dx(*this);
  dx.text("fileName", shownName_);
  dx.radio("append", overwrite_);
  dx.check("header", includeHeader_);
  dx.check("comment", promptComment_);
  dx.check("reviews", includeReviews_);
  dx.check("always", alwaysShow_);
  dx.text("headerName", headerFile_);
  if (fromControls) {
    dx.fromControls();
    return;
  }
  dx.toControls();
  // An empty name means the default log; show where that is.
  if (shownName_.empty()) control("fileName").setText(platform::defaultLogPath());
  if (headerFile_.empty()) control("headerName").setText("(no header file chosen)");
}

void SaveOptionsDialog::onInit() { exchange(false); }

void SaveOptionsDialog::onDialogEvent(const platform::Notification& n) {
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "browse") browse();
  if (n.id == "headerBrowse") browseHeader();
  if (n.id == "ibw") selectIbwMethod();
}

// Text files first, in the documents folder, starting from the given name.
platform::SaveFileRequest textFileRequest(const std::string& startName) {
  platform::SaveFileRequest request;
  request.filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
  request.initialFolder = platform::documentsFolder() + "/";
  request.startName = startName;
  return request;
}

void SaveOptionsDialog::browse() {
  platform::SaveFileRequest request = textFileRequest(saveOptions().lastChosenName);
  request.defaultExtension = "txt";
  request.pathMustExist = true;
  auto chosen = platform::currentPlatform().askSaveFileName(request);
  if (!chosen) return;
  saveOptions().lastChosenName = *chosen;
  shownName_ = *chosen;
  control("fileName").setText(shownName_);
}

void SaveOptionsDialog::browseHeader() {
  platform::SaveFileRequest request = textFileRequest(headerFile_);
  request.existingFile = true;
  auto chosen = platform::currentPlatform().askSaveFileName(request);
  if (!chosen) return;
  headerFile_ = *chosen;
  control("headerName").setText(headerFile_);
}

void SaveOptionsDialog::selectIbwMethod() {
  if (!ibwMethodChooser()) return;
  std::optional<IbwChoice> choice = ibwMethodChooser()(ibwMethod_);
  if (!choice) return;
  ibwMethod_ = choice->method;
  control("ibw").setText(choice->caption);
}

bool SaveOptionsDialog::onOk() {
  exchange(true);
  SaveOptions& o = saveOptions();
  o.overwrite = overwrite_ == 1 ? 1 : 0;
  o.includeHeader = includeHeader_;
  o.promptComment = promptComment_;
  o.includeReviews = includeReviews_;
  o.alwaysShow = alwaysShow_;
  o.ibwMethod = ibwMethod_;
  o.fileName = shownName_;
  o.headerFile = headerFile_;
  o.lastChosenName = shownName_;
  storeSaveOptions();
  return true;
}

}  // namespace quillion::framework
