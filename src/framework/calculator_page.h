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

// Whether a page has the "Save" and "Options" menu bar.
enum class MenuBar { None, SaveAndOptions };

class CalculatorPage : public platform::Form {
 public:
  // Inputs kept with keep() live in the settings section named here.
  CalculatorPage(std::string title, std::span<const platform::ControlDef> controls,
                 std::string section, MenuBar menuBar);

  bool hasMenuBar() const override { return menuBar_ == MenuBar::SaveAndOptions; }
  void onSave() override;
  void onOptions() override;
  std::optional<std::string> printableReport() override;
  void onClose(platform::CloseReason reason) override;

  bool dirty() const { return dirty_; }

 protected:
  // One declaration of an input: its control and its member, and, through keep(), the
  // name it is stored under in the page's section (its member's value is the default).
  class Input {
   public:
    // A number, or any integer the page checks itself once loaded.
    Input& keep(std::string_view name);
    // A stored position or code: outside 0 to count - 1 it takes the default.
    Input& keep(std::string_view name, int count);
    // A number box that asks for a number within these bounds.
    Input& range(double minimum, double maximum);
    // A number box that makes a negative number positive as soon as it is read.
    Input& positive();

   private:
    friend class CalculatorPage;
    Input(CalculatorPage& page, std::string_view id, double* number, int* integer)
        : page_(page), id_(id), number_(number), integer_(integer) {}
    CalculatorPage& page_;
    std::string_view id_;
    double* number_;
    int* integer_;
  };

  // Declared in the order of the form; the exchange reads the controls in this order.
  Input number(std::string_view id, double& member);
  Input integer(std::string_view id, int& member);  // a whole-number box
  Input choice(std::string_view id, int& member);  // drop-down position
  Input radio(std::string_view firstId, int& member);  // index of the checked button
  Input check(std::string_view id, int& member);
  // An input shown by the page itself (a unit on a button's caption): kept only.
  Input stored(int& member);
  // A number kept in the page's section but shown by no box of the page (a factor taken
  // from a dialog, a row of a shared table).
  Input stored(double& member);
  // A result label (or any text control) shown from a member.
  void text(std::string_view id, std::string& member);

  // Reads and writes the kept inputs, in the order they were declared.
  virtual void loadInputs(SettingsStore& store);
  void saveInputs(SettingsStore& store);
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
    int* integer = nullptr;
    int count = 0;  // 0: any integer
  };

  DataExchange exchange_;
  std::string section_;
  std::vector<KeptInput> kept_;
  MenuBar menuBar_;
  bool ready_ = false;
  bool dirty_ = false;
  bool inputsUnread_ = false;
};

}  // namespace quillion::framework
