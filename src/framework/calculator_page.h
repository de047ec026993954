// What every calculator tab shares: inputs restored from the settings store, a compute
// that runs only when a number really changed, spin buttons that step by exactly 1,
// the dirty flag, the "Save" and "Options" commands, and inputs written back on close.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/result_log.h"
#include "framework/settings_store.h"
#include "platform/window.h"

namespace quillion::framework {

class CalculatorPage : public platform::Form {
 public:
  // Inputs kept with keepNumber and keepIndex live in the settings section named here.
  CalculatorPage(std::string title, std::span<const platform::ControlDef> controls,
                 bool hasMenuBar, std::string section);

  bool hasMenuBar() const override { return menuBar_; }
  void onSave() override;
  void onOptions() override;
  void onClose(platform::CloseReason reason) override;

  bool dirty() const { return dirty_; }

 protected:
  // Binds the page's members to its controls, in the order of the form.
  virtual void bind(DataExchange& dx) = 0;
  // Reads and writes the kept inputs, in the order they were kept.
  virtual void loadInputs(SettingsStore& store);
  virtual void saveInputs(SettingsStore& store);
  // An input kept in the settings section under name; the member's value is its default.
  void keepNumber(std::string_view name, double& member);
  // A stored position or code: outside 0 to count - 1 it takes the default.
  void keepIndex(std::string_view name, int& member, int count);
  // An integer the page checks itself once loaded.
  void keepInteger(std::string_view name, int& member);
  const std::string& section() const { return section_; }
  // Works out the results from the members and formats the result texts.
  virtual void calculate() = 0;
  virtual std::string reportTitle() const { return {}; }
  virtual void writeReportLines(ResultLog& /*log*/) {}
  // Whether the inputs are stored when the sheet ends this way (always on OK).
  virtual bool savesOn(platform::CloseReason reason) const {
    return reason == platform::CloseReason::Ok;
  }
  // After the inputs are loaded and before they are shown: fill lists that depend on them.
  virtual void prepareControls() {}
  // Notifications other than number edits and spins.
  virtual void onPageEvent(const platform::Notification& /*n*/) {}
  // After the Save Options dialog closed.
  virtual void afterOptions() {}

  void onInit() override;
  void onNotify(const platform::Notification& n) override;

  bool updateData(bool fromControls);
  void compute();
  void setDirty() { dirty_ = true; }

 private:
  void numberEdited();
  void spinPressed(std::string_view spinId, int step);

  struct KeptInput {
    std::string name;
    double* number = nullptr;
    int* index = nullptr;
    int count = 0;  // 0: any integer
  };

  DataExchange exchange_;
  std::string section_;
  std::vector<KeptInput> kept_;
  bool bound_ = false;
  bool menuBar_;
  bool ready_ = false;
  bool dirty_ = false;
  bool inputsUnread_ = false;
};

}  // namespace quillion::framework
