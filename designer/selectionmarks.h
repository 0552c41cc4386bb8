#pragma once
// The grey squares in the corners of each control of a multiple selection. They lie on the
// control's own surface (a non-windowed control's area of its parent, under the parent's child
// windows) and stay until they are erased.

#include <QPointer>
#include <vector>

class QWidget;

namespace mox {

class TControl;

class TSelectionMarks {
public:
    TSelectionMarks() = default;
    ~TSelectionMarks();
    TSelectionMarks(const TSelectionMarks&) = delete;
    TSelectionMarks& operator=(const TSelectionMarks&) = delete;

    // Puts marks of `size` by `size` pixels on `control`, replacing any it had.
    void Paint(TControl* control, int size);
    void Erase(const TControl* control);
    void Clear();
    bool Marked(const TControl* control) const;

private:
    struct TMarked {
        const TControl* Control;
        QPointer<QWidget> Layer;
    };
    std::vector<TMarked> FMarked;
};

}  // namespace mox
