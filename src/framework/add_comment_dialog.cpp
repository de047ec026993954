#include "framework/add_comment_dialog.h"

namespace quillion::framework {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kControls[] = {
    {"prompt", ControlKind::Label, "Type in comment to add to file:", 0, 0, 1, 2},
    {"comment", ControlKind::MultiLine, "", 1, 0, 1, 2, platform::kStretch},
    {"ok", ControlKind::Button, "OK", 2, 0},
    {"cancel", ControlKind::Button, "Cancel", 2, 1},
};

}  // namespace

AddCommentDialog::AddCommentDialog() : Dialog("Add Comment to File", kControls) {}

bool AddCommentDialog::onOk() {
  comment_ = control("comment").text();
  return true;
}

}  // namespace quillion::framework
