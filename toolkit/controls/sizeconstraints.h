#pragma once
// Minimum and maximum size of a control; 0 means no limit.

#include "toolkit/core/persistent.h"

namespace mox {

class TSizeConstraints : public TPersistent {
    MOX_CLASS
public:
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);

    // The size a control may take when asked for width x height.
    void Constrain(int& width, int& height) const;
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Set(int& field, int value);
    int FMaxHeight = 0;
    int FMaxWidth = 0;
    int FMinHeight = 0;
    int FMinWidth = 0;
};

}  // namespace mox
