// The 27 tools in list order, and how each tool's window is put together.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "platform/window.h"

namespace quillion::app {

inline constexpr int kToolCount = 27;

// A wizard's choices lead to a calculator page, shown as the first tab of its sheet.
enum class ToolKind { Sheet, Reference, Wizard };

using PageMaker = std::unique_ptr<platform::Form> (*)();
// A page that shows what the sheet's first page computed (a chart of its measurements).
using FollowerMaker = std::unique_ptr<platform::Form> (*)(platform::Form& firstPage);

// One tab of a tool sheet: a calculator page made by `make`, a page made by `follow` from
// the sheet's first page, or a reference page for `documentId`; a page whose calculator is
// not part of this version has none.
struct TabRecipe {
  std::string_view caption;
  PageMaker make = nullptr;
  int documentId = 0;
  FollowerMaker follow = nullptr;
};

// One tool of the main list: its row, and how its window is put together.
struct Tool {
  int id;
  std::string_view title;    // the main list's text
  ToolKind kind;
  std::string_view caption;  // sheet caption
  int documentId = 0;        // reference window
  std::span<const TabRecipe> tabs = {};
};

// The 27 tools in list order.
std::span<const Tool> toolCatalogue();
// The tool with that id, or nullptr.
const Tool* findTool(int toolId);

// Builds the pages of one opening of a sheet tool, in tab order; firstPage is the sheet's
// first page once it is made.
std::unique_ptr<platform::Form> makePage(const TabRecipe& tab, platform::Form* firstPage = nullptr);

}  // namespace quillion::app
