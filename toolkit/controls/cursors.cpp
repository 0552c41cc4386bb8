#include "toolkit/controls/cursors.h"

namespace mox {

namespace {
constexpr TIdentMapEntry kCursors[] = {
    {crDefault, u"crDefault"},
    {crArrow, u"crArrow"},
    {crCross, u"crCross"},
    {crIBeam, u"crIBeam"},
    {crSizeNESW, u"crSizeNESW"},
    {crSizeNS, u"crSizeNS"},
    {crSizeNWSE, u"crSizeNWSE"},
    {crSizeWE, u"crSizeWE"},
    {crUpArrow, u"crUpArrow"},
    {crHourGlass, u"crHourGlass"},
    {crDrag, u"crDrag"},
    {crNoDrop, u"crNoDrop"},
    {crHSplit, u"crHSplit"},
    {crVSplit, u"crVSplit"},
    {crMultiDrag, u"crMultiDrag"},
    {crSQLWait, u"crSQLWait"},
    {crNo, u"crNo"},
    {crAppStart, u"crAppStart"},
    {crHelp, u"crHelp"},
    {crHandPoint, u"crHandPoint"},
    {crSizeAll, u"crSizeAll"},
    {crSize, u"crSize"},
};
}  // namespace

TIdentMap CursorIdents() {
    return kCursors;
}

}  // namespace mox
