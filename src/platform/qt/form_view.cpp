#include "platform/qt/form_view.h"

#include <algorithm>
#include <set>

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quillion::platform::qt {
namespace {

// Reference pages want their viewer inset by 4 pixels; every form shares that margin.
constexpr int kFormMargin = 4;


}  // namespace

FormView::FormView(Form& form, QWidget* parent)
    : QWidget(parent),
      form_(form),
      scroll_(new QScrollArea(this)),
      content_(new QWidget),
      column_(new QVBoxLayout(content_)),
      grid_(new QGridLayout) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll_);

  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  column_->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
  column_->setSpacing(0);
  grid_->setHorizontalSpacing(6);
  grid_->setVerticalSpacing(4);
  column_->addLayout(grid_);
  column_->addStretch(1);
  scroll_->setWidget(content_);

  addNewControls();
}

FormView::~FormView() {
  if (form_.view() == this) form_.setView(nullptr);
  // The widgets go first, silently, while the bindings their handlers use still exist.
  for (QObject* child : content_->findChildren<QObject*>()) child->blockSignals(true);
  delete scroll_;
}

ControlBinding* FormView::binding(const Control& control) {
  addNewControls();
  auto found = byControl_.find(&control);
  return found == byControl_.end() ? nullptr : found->second;
}

std::vector<Control*> FormView::radioGroupOf(const Control& control) const {
  return form_.radioGroup(control);
}

void FormView::addNewControls() {
  const auto& controls = form_.controls();
  const std::size_t first = bindings_.size();
  if (first >= controls.size()) return;
  for (std::size_t i = first; i < controls.size(); ++i) {
    Control& control = *controls[i];
    QButtonGroup* group = nullptr;
    if (control.kind() == ControlKind::Radio) {
      QButtonGroup*& shared = radioGroups_[form_.radioGroup(control).front()];
      if (!shared) {
        shared = new QButtonGroup(content_);
        shared->setExclusive(true);
      }
      group = shared;
    }
    auto binding = makeBinding(control, *this, content_, group);
    byControl_[&control] = binding.get();
    bindings_.push_back(std::move(binding));
  }
  layOut(first);
  updateStretch();
  updateTabOrder();
  for (std::size_t i = first; i < bindings_.size(); ++i) bindings_[i]->update();
}

void FormView::layOut(std::size_t first) {
  const auto& controls = form_.controls();
  // An up-down control given its buddy's own cell sits at the buddy's right in it.
  std::map<std::size_t, std::size_t> spinOfBuddy;
  std::set<std::size_t> hostedSpins;
  for (std::size_t s = first; s < controls.size(); ++s) {
    const ControlDef& spin = controls[s]->def();
    if (spin.kind != ControlKind::Spin || spin.buddy.empty()) continue;
    for (std::size_t b = first; b < controls.size(); ++b) {
      const ControlDef& buddy = controls[b]->def();
      if (b != s && buddy.id == spin.buddy && buddy.row == spin.row && buddy.column == spin.column &&
          !spinOfBuddy.count(b)) {
        spinOfBuddy[b] = s;
        hostedSpins.insert(s);
        break;
      }
    }
  }

  for (std::size_t i = first; i < controls.size(); ++i) {
    if (hostedSpins.count(i)) continue;
    const ControlDef& def = controls[i]->def();
    QWidget* placed = bindings_[i]->widget();
    if (auto hosted = spinOfBuddy.find(i); hosted != spinOfBuddy.end()) {
      auto* pair = new QWidget(content_);
      auto* row = new QHBoxLayout(pair);
      row->setContentsMargins(0, 0, 0, 0);
      row->setSpacing(2);
      row->addWidget(placed, 1);
      row->addWidget(bindings_[hosted->second]->widget(), 0, Qt::AlignVCenter);
      placed = pair;
    }
    Qt::Alignment alignment;
    if (def.kind == ControlKind::Spin) alignment = Qt::AlignLeft | Qt::AlignVCenter;
    grid_->addWidget(placed, std::max(0, def.row), std::max(0, def.column), std::max(1, def.rowSpan),
                     std::max(1, def.columnSpan), alignment);
  }
}

void FormView::updateStretch() {
  const auto& controls = form_.controls();
  int rows = 0;
  int columns = 0;
  for (const auto& control : controls) {
    const ControlDef& def = control->def();
    rows = std::max(rows, std::max(0, def.row) + std::max(1, def.rowSpan));
    columns = std::max(columns, std::max(0, def.column) + std::max(1, def.columnSpan));
  }
  for (int r = 0; r < std::max(rows, grid_->rowCount()); ++r) grid_->setRowStretch(r, 0);

  // Controls marked to stretch share the spare height; otherwise the rows stay
  // together at the top and the space is left below them.
  bool anyStretch = false;
  for (const auto& control : controls) {
    const ControlDef& def = control->def();
    if (!(def.flags & kStretch)) continue;
    anyStretch = true;
    for (int r = std::max(0, def.row); r < std::max(0, def.row) + std::max(1, def.rowSpan); ++r) {
      grid_->setRowStretch(r, 1);
    }
  }
  column_->setStretch(0, anyStretch ? 1 : 0);
  column_->setStretch(1, anyStretch ? 0 : 1);

  // Columns share the width evenly, except those that only hold up-down buttons.
  for (int c = 0; c < columns; ++c) {
    bool any = false;
    bool onlySpins = true;
    for (const auto& control : controls) {
      const ControlDef& def = control->def();
      if (std::max(0, def.column) != c || std::max(1, def.columnSpan) != 1) continue;
      any = true;
      onlySpins = onlySpins && def.kind == ControlKind::Spin;
    }
    grid_->setColumnStretch(c, any && onlySpins ? 0 : 1);
  }
}

void FormView::updateTabOrder() {
  // Tab moves in reading order: by grid row, then column, then the order of the table.
  std::vector<const ControlBinding*> order;
  for (const auto& binding : bindings_) {
    QWidget* widget = binding->focusWidget();
    if (widget && widget->focusPolicy() != Qt::NoFocus) order.push_back(binding.get());
  }
  std::stable_sort(order.begin(), order.end(), [](const ControlBinding* a, const ControlBinding* b) {
    const ControlDef& x = a->control().def();
    const ControlDef& y = b->control().def();
    return x.row != y.row ? x.row < y.row : x.column < y.column;
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1]->focusWidget(), order[i]->focusWidget());
  }
}

bool FormView::fitsWidth() const {
  const QScrollBar* across = scroll_->horizontalScrollBar();
  return !across || across->maximum() <= 0;
}

void FormView::applyPendingFocus() {
  if (form_.focused().empty()) return;
  if (Control* target = form_.find(form_.focused())) focusRequested(*target);
}

void FormView::focusFirstInput() {
  if (!form_.focused().empty()) return;
  for (const auto& binding : bindings_) {
    const Control& control = binding->control();
    const bool input = control.kind() == ControlKind::Edit || control.kind() == ControlKind::ListBox;
    if (!input || !control.visible() || !control.enabled()) continue;
    binding->focus();
    return;
  }
}

void FormView::controlChanged(const Control& control) {
  if (ControlBinding* changed = binding(control)) changed->update();
  userActionDone();
}

void FormView::focusRequested(const Control& control) {
  ControlBinding* target = binding(control);
  if (!target) return;
  target->focus();
  if (QWidget* shown = target->focusWidget()) scroll_->ensureWidgetVisible(shown);
}

void FormView::titleChanged() {
  if (onTitleChanged) onTitleChanged();
}

void FormView::modalEnded() {
  if (onModalEnded) onModalEnded();
}

void FormView::userActionDone() {
  if (onModelTouched) onModelTouched();
}

}  // namespace quillion::platform::qt
