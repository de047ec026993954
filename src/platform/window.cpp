// Forms and sheets: their life (creation, showing, closing) and modal results.
#include "platform/window.h"

#include <algorithm>
#include <stdexcept>

namespace quillion::platform {

void Window::setTitle(std::string title) {
  if (title == title_) return;
  title_ = std::move(title);
  if (view_) view_->titleChanged();
}

void Window::endModal(int result) {
  ended_ = true;
  result_ = result;
  if (view_) view_->modalEnded();
}

Form::Form(std::string title, std::span<const ControlDef> controls) : Window(std::move(title)) {
  addControls(controls);
}

void Form::addControls(std::span<const ControlDef> controls) {
  for (const auto& def : controls) controls_.push_back(std::make_unique<Control>(*this, def));
}

Control* Form::find(std::string_view id) {
  for (auto& control : controls_) {
    if (control->id() == id) return control.get();
  }
  return nullptr;
}

Control& Form::control(std::string_view id) {
  Control* found = find(id);
  if (!found) throw std::logic_error("no control " + std::string(id) + " on " + title());
  return *found;
}

std::vector<Control*> Form::radioGroup(const Control& member) const {
  std::size_t index = 0;
  while (index < controls_.size() && controls_[index].get() != &member) ++index;
  if (index == controls_.size()) return {};
  auto startsGroup = [&](std::size_t i) { return (controls_[i]->def().flags & kGroup) != 0; };
  std::size_t head = index;
  while (head > 0 && !startsGroup(head)) --head;
  std::vector<Control*> group;
  for (std::size_t i = head; i < controls_.size(); ++i) {
    if (i > head && startsGroup(i)) break;
    if (controls_[i]->kind() == ControlKind::Radio) group.push_back(controls_[i].get());
  }
  return group;
}

namespace {

bool takesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
    case ControlKind::MultiLine:
    case ControlKind::DropDown:
    case ControlKind::ListBox:
    case ControlKind::ReportList:
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio:
    case ControlKind::Html:
      return true;
    default:
      return false;
  }
}

// A label's text as a name: one line, without the colon and blanks around it.
std::string asName(std::string_view text) {
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    // "&Milk" marks an access key; "&&" is a plain ampersand.
    if (ch == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
    if (ch == '&') ++i;
    name += (ch == '\r' || ch == '\n' || ch == '\t') ? ' ' : ch;
  }
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  name.erase(0, first);
  while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
  return name;
}

}  // namespace

std::string Form::accessibleName(const Control& control) const {
  if (!control.def().name.empty()) return std::string(control.def().name);
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio:
      return asName(control.text());
    case ControlKind::Html:
      return "Reference document";
    case ControlKind::Spin: {
      for (const auto& other : controls_) {
        if (other->id() == control.def().buddy) return accessibleName(*other) + " up/down";
      }
      return "up/down";
    }
    case ControlKind::Label:
    case ControlKind::Chart:
      return {};
    case ControlKind::MultiLine:
      // A page's results box, whatever stands above it.
      if (control.def().flags & kReadOnly) return "Results";
      break;
    default:
      break;
  }
  // The label before the box on its own row, else the nearest label above it.
  std::size_t index = 0;
  while (index < controls_.size() && controls_[index].get() != &control) ++index;
  std::string above;
  for (std::size_t i = index; i-- > 0;) {
    const Control& other = *controls_[i];
    if (other.kind() != ControlKind::Label) continue;
    const std::string name = asName(other.text());
    if (name.empty()) continue;
    if (other.def().row == control.def().row && other.def().column < control.def().column) {
      return name;
    }
    if (above.empty() && other.def().row < control.def().row) above = name;
  }
  // A table is not named by whatever label stands somewhere above it.
  if (control.kind() == ControlKind::ReportList) return "Table";
  return above;
}

std::vector<Control*> Form::tabOrder() const {
  std::vector<Control*> order;
  for (const auto& control : controls_) {
    if (takesFocus(control->kind()) && control->visible() && control->enabled()) {
      order.push_back(control.get());
    }
  }
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    if (a->def().row != b->def().row) return a->def().row < b->def().row;
    return a->def().column < b->def().column;
  });
  return order;
}

void Form::focus(std::string_view id) {
  Control* target = find(id);
  if (!target) return;
  focused_ = std::string(id);
  if (view()) view()->focusRequested(*target);
}

void Form::show() {
  if (!initialized_) {
    initialized_ = true;
    onInit();
  }
  onShown();
}

void Form::hide() { onHidden(); }

void Form::controlChanged(const Control& control) {
  if (view()) view()->controlChanged(control);
}

void Sheet::addPage(Form& page, std::string tabCaption) {
  pages_.push_back({&page, std::move(tabCaption)});
}

void Sheet::setTabCaption(int index, std::string caption) {
  if (index < 0 || index >= pageCount()) return;
  pages_[static_cast<std::size_t>(index)].caption = std::move(caption);
  if (view()) view()->titleChanged();
}

Form* Sheet::activePage() const {
  if (active_ < 0 || active_ >= pageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(active_)].page;
}

void Sheet::setActivePage(int index) {
  if (index < 0 || index >= pageCount() || index == active_) return;
  if (Form* old = activePage()) old->hide();
  active_ = index;
  if (view()) view()->activePageChanged();
  pages_[static_cast<std::size_t>(index)].page->show();
}

void Sheet::start() {
  if (active_ < 0 && pageCount() > 0) setActivePage(0);
}

void Sheet::finish(CloseReason reason, int result) {
  for (auto& entry : pages_) {
    if (entry.page->initialized()) entry.page->onClose(reason);
  }
  endModal(result);
}

void Sheet::requestOk() { finish(CloseReason::Ok, kResultOk); }
void Sheet::requestCancel() { finish(CloseReason::Cancel, kResultCancel); }
void Sheet::requestClose() { finish(CloseReason::Close, kResultCancel); }

}  // namespace quillion::platform
