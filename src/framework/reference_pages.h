// Pages that show the program's reference documents.
#pragma once

#include <string>

#include "platform/window.h"

namespace quillion::framework {

// The document's text as UTF-8 HTML, converted from its 8-bit character set; empty
// when the program has no document with that id.
std::string loadReferenceDocument(int documentId);

// A sheet tab showing one reference document.
class CSTHtmlPage : public platform::Form {
 public:
  CSTHtmlPage(int documentId, std::string caption);
  int documentId() const { return documentId_; }

 protected:
  void onInit() override;

 private:
  int documentId_;
};

// A modal window showing one reference document, titled "Quillion".
class ReferenceWindow : public platform::Form {
 public:
  explicit ReferenceWindow(int documentId);
  int run();

 protected:
  void onInit() override;

 private:
  int documentId_;
};

}  // namespace quillion::framework
