#pragma once

#include <QGroupBox>

namespace qtview {

// The box of a frame: its caption stands in from the box's edge, and a frame without a border
// draws no line.  Its own style draws it so: a style sheet would too, but sends the box and
// every control in it down Qt's slow style-sheet path.
class FrameBox : public QGroupBox {
public:
    FrameBox();
    bool Bordered() const { return bordered_; }
    void SetBordered(bool bordered);

private:
    bool bordered_ = true;
};

}  // namespace qtview
