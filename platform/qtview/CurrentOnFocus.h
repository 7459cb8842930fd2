#pragma once

#include <functional>

class QAbstractItemView;

namespace qtview {

// A grid, list or tree shows where the keyboard is the moment it takes the focus: when it has
// no current cell or row then, `makeCurrent` gives it one, and the view draws its focus mark
// there at once instead of after the first arrow key.
void ShowCurrentOnFocus(QAbstractItemView& view, std::function<void()> makeCurrent);

}  // namespace qtview
