#pragma once

#include <string>
#include <vector>

namespace rv {

// The role a column of a text takes in the sheet: 0 for Y, c for Xc, or
// left out.
inline constexpr int kLeftOutColumn = -1;

// "Y", "X1" ... "X16", or "left out".
std::string RoleName(int role);

// Whether the names are those the program gives the columns it exports:
// each of Y, X1 ... X16 (as written, upper case) at most once. Such a text's
// columns go where their names say, and its empty cells are meant.
bool NamesProgramColumns(const std::vector<std::string>& headings);

// The roles the columns take unless the user chooses: where the names say
// for the program's own export; else the column named Y (in any case), or
// the first, is Y, and the other columns holding data are X1, X2 ... in
// order, as many as the sheet has room for. `usedColumns` is the number of
// columns up to the last holding a name or a value.
std::vector<int> DefaultColumnRoles(const std::vector<std::string>& headings, int usedColumns);

// The roles after the user chose `role` for `column`, the X variables
// numbered without holes. Y: the column that was Y becomes an X, and the X
// variables follow the columns' order. Xn: the column goes to place n among
// the X variables, those from n on moving up one (past X16 they are left
// out). Left out: the X variables after it move down one. A column that was
// Y and is chosen as something else leaves the sheet without a Y.
std::vector<int> ChooseColumnRole(std::vector<int> roles, int column, int role);

}  // namespace rv
