#pragma once
// How DrawText lays text out: its flags, '&' prefixes and the breaking of text into lines. Pure
// text work; the canvas measures and draws.

#include <QString>
#include <QStringList>
#include <functional>

namespace mox {

constexpr int DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
              DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_NOCLIP = 0x100,
              DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800;

// Text as shown once its prefixes are resolved: "&x" underlines x, "&&" shows one '&'.
struct TPrefixedText {
    QString Text;
    int Underlined = -1;  // index into Text of the first underlined character, or -1
};
TPrefixedText ResolvePrefixes(QStringView text);

// The lines DrawText shows, as pieces of `text` (prefixes unresolved): one line with
// DT_SINGLELINE, else a line per line break, and with DT_WORDBREAK lines broken between words so
// that each fits `maxWidth` where it can. `measure` gives the shown width of a piece.
QStringList BreakTextLines(QStringView text, int flags, int maxWidth,
                           const std::function<int(QStringView)>& measure);

}  // namespace mox
