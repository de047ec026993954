// The comment asked for before a report when "Prompt for Comment" is set.
#pragma once

#include <string>

#include "framework/dialog.h"

namespace quillion::framework {

class AddCommentDialog : public Dialog {
 public:
  AddCommentDialog();
  const std::string& comment() const { return comment_; }

 protected:
  bool onOk() override;

 private:
  std::string comment_;
};

}  // namespace quillion::framework
