// The "Reviews" tab of the parenteral tool: the clinical review text of the latest
// solution, shown anew each time the tab becomes active.
#pragma once

#include <string>

#include "platform/window.h"

namespace quillion::parenteral {

// The latest parenteral review text, kept for the whole run.
std::string& reviewText();

class ReviewPage : public platform::Form {
 public:
  ReviewPage();
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  // Replaces the text shown, once the page's window exists.
  void showText(const std::string& text);

 protected:
  void onShown() override;

 private:
  std::string caption_ = "Reviews";
};

}  // namespace quillion::parenteral
