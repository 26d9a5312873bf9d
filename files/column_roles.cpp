#include "files/column_roles.h"

#include <algorithm>
#include <array>

#include "sheet/data_sheet.h"
#include "sheet/field_number.h"

namespace rv {

namespace {

constexpr int kMaxXVariables = kSheetColumns - 1;

// Y is 0 and Xc is c, as the program writes them; kLeftOutColumn for any
// other name.
int ProgramRoleOfName(std::string_view name) {
  name = TrimField(name);
  if (name == "Y") return 0;
  if (name.size() < 2 || name.size() > 3 || name[0] != 'X' || name[1] == '0') return kLeftOutColumn;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return kLeftOutColumn;
    number = number * 10 + (c - '0');
  }
  return number >= 1 && number <= kMaxXVariables ? number : kLeftOutColumn;
}

bool NamesY(std::string_view name) {
  name = TrimField(name);
  return name == "Y" || name == "y";
}

// The columns in X roles, by their X number.
std::vector<int> XColumns(const std::vector<int>& roles) {
  std::vector<int> columns;
  for (int column = 0; column < static_cast<int>(roles.size()); ++column)
    if (roles[static_cast<size_t>(column)] >= 1) columns.push_back(column);
  std::stable_sort(columns.begin(), columns.end(),
                   [&roles](int a, int b) { return roles[static_cast<size_t>(a)] < roles[static_cast<size_t>(b)]; });
  return columns;
}

}  // namespace

std::string RoleName(int role) {
  if (role < 0 || role >= kSheetColumns) return "left out";
  return DefaultColumnName(role);
}

bool NamesProgramColumns(const std::vector<std::string>& headings) {
  std::array<bool, kSheetColumns> taken{};
  for (const std::string& heading : headings) {
    const int role = ProgramRoleOfName(heading);
    if (role == kLeftOutColumn || taken[static_cast<size_t>(role)]) return false;
    taken[static_cast<size_t>(role)] = true;
  }
  return !headings.empty();
}

std::vector<int> DefaultColumnRoles(const std::vector<std::string>& headings, int usedColumns) {
  std::vector<int> roles;
  if (NamesProgramColumns(headings)) {
    for (const std::string& heading : headings) roles.push_back(ProgramRoleOfName(heading));
    return roles;
  }
  const auto named = std::find_if(headings.begin(), headings.end(), NamesY);
  const int y = named == headings.end() ? 0 : static_cast<int>(named - headings.begin());
  roles.assign(static_cast<size_t>(std::max(usedColumns, y + 1)), kLeftOutColumn);
  roles[static_cast<size_t>(y)] = 0;
  int variable = 0;
  for (int column = 0; column < usedColumns && variable < kMaxXVariables; ++column)
    if (column != y) roles[static_cast<size_t>(column)] = ++variable;
  return roles;
}

std::vector<int> ChooseColumnRole(std::vector<int> roles, int column, int role) {
  if (column < 0) return roles;
  if (static_cast<int>(roles.size()) <= column) roles.resize(static_cast<size_t>(column) + 1, kLeftOutColumn);
  const auto former = std::find(roles.begin(), roles.end(), 0);
  int y = former == roles.end() ? -1 : static_cast<int>(former - roles.begin());
  std::vector<int> xs = XColumns(roles);
  std::erase(xs, column);
  if (role == 0) {
    if (y >= 0 && y != column) xs.push_back(y);
    std::sort(xs.begin(), xs.end());
    y = column;
  } else {
    if (y == column) y = -1;
    if (role >= 1)
      xs.insert(xs.begin() + std::min<std::ptrdiff_t>(role - 1, static_cast<std::ptrdiff_t>(xs.size())), column);
  }
  roles.assign(roles.size(), kLeftOutColumn);
  if (y >= 0) roles[static_cast<size_t>(y)] = 0;
  for (size_t i = 0; i < xs.size() && i < static_cast<size_t>(kMaxXVariables); ++i)
    roles[static_cast<size_t>(xs[i])] = static_cast<int>(i) + 1;
  return roles;
}

}  // namespace rv
