#include "framework/dialog.h"

#include "platform/platform.h"

namespace quillion::framework {

int Dialog::runModal() { return platform::currentPlatform().runModal(*this); }

void Dialog::requestOk() {
  if (onOk()) endModal(platform::kResultOk);
}

void Dialog::onNotify(const platform::Notification& n) {
  if (n.event == platform::Event::Clicked && n.id == "ok") {
    requestOk();
  } else if (n.event == platform::Event::Clicked && n.id == "cancel") {
    requestCancel();
  } else {
    onDialogEvent(n);
  }
}

}  // namespace quillion::framework
