#include "framework/reference_pages.h"

#include "platform/platform.h"
#include "platform/resources.h"
#include "platform/text.h"

namespace quillion::framework {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kDocumentControls[] = {
    {"document", ControlKind::Html, "", 0, 0, 1, 1, platform::kStretch},
};

void showDocument(platform::Form& form, int documentId) {
  auto& platform = platform::currentPlatform();
  platform.setWaitCursor(true);
  form.control("document").setText(loadReferenceDocument(documentId));
  platform.setWaitCursor(false);
}

}  // namespace

std::string loadReferenceDocument(int documentId) {
  auto bytes = platform::findResource(platform::kResourceHtml, documentId);
  // Documents declare windows-1252, ISO-8859-1 or US-ASCII; windows-1252 covers all three.
  return platform::windows1252ToUtf8(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

CSTHtmlPage::CSTHtmlPage(int documentId, std::string caption)
    : Form(std::move(caption), kDocumentControls), documentId_(documentId) {}

void CSTHtmlPage::onInit() { showDocument(*this, documentId_); }

ReferenceWindow::ReferenceWindow(int documentId)
    : Form("Quillion", kDocumentControls), documentId_(documentId) {}

int ReferenceWindow::run() { return platform::currentPlatform().runModal(*this); }

void ReferenceWindow::onInit() { showDocument(*this, documentId_); }

}  // namespace quillion::framework
