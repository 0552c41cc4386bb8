#pragma once
// The control catalogue: the 22 kinds of control a rack can hold, each with its palette button,
// the class it creates, the prefix of its names and its property sheet. A kind's number is the
// Tag of its palette button.

#include <QString>
#include <QStringView>
#include <span>

namespace mox {

enum class TControlToolbar { Output, Input };

struct TControlKind {
    int Kind;
    TControlToolbar Toolbar;
    QString Caption;     // the palette button's caption
    QString ClassName;   // the class a placement creates
    QString Prefix;      // names are the prefix and the lowest free number
    QString SheetClass;  // the property sheet window's class
    QString SheetCaption;
};

constexpr int kControlKindCount = 22;
// Marks a separator in a toolbar's button order.
constexpr int kToolbarSeparator = -1;

// Every kind, in kind order.
std::span<const TControlKind> ControlCatalogue();
// The kind numbered `kind`; none outside 0..21.
const TControlKind* FindControlKind(int kind);
// The kind whose class is `className` exactly; none for a class outside the catalogue.
const TControlKind* FindControlKindByClass(QStringView className);

// The kinds on each palette toolbar, left to right, with kToolbarSeparator for a separator.
std::span<const int> ToolbarOrder(TControlToolbar toolbar);

}  // namespace mox
