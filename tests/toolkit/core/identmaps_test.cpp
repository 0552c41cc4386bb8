// Named constants of colours, cursors and character sets in both directions, and the resolution
// of system colours against the desktop palette.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <set>

#include "toolkit/controls/cursors.h"
#include "toolkit/graphics/charsets.h"
#include "toolkit/graphics/colors.h"

using namespace mox;

namespace {

// Every name reads back as its value, and every value writes as the first name that has it.
void ExpectConsistent(TIdentMap map) {
    std::set<int> seen;
    for (const TIdentMapEntry& e : map) {
        const QString name = QString::fromUtf16(e.Name);
        EXPECT_EQ(IdentToInt(map, name), e.Value) << name.toStdString();
        if (seen.insert(e.Value).second) {
            EXPECT_EQ(IntToIdent(map, e.Value), name);
        }
    }
}

// Installs a palette for the lifetime of the object.
class PaletteOverride {
public:
    explicit PaletteOverride(const QPalette& palette) : FSaved(QGuiApplication::palette()) {
        QGuiApplication::setPalette(palette);
    }
    ~PaletteOverride() { QGuiApplication::setPalette(FSaved); }

private:
    QPalette FSaved;
};

}  // namespace

TEST(IdentMaps, ColorNamesWriteFirstMatchAndReadCaseInsensitively) {
    ExpectConsistent(ColorIdents());
    EXPECT_EQ(ColorIdents().size(), 49u);
    EXPECT_EQ(ColorToIdent(clSilver), QStringLiteral("clSilver"));
    EXPECT_EQ(ColorToIdent(12632256), QStringLiteral("clSilver"));
    EXPECT_EQ(ColorToIdent(clDkGray), QStringLiteral("clGray"));
    EXPECT_EQ(ColorToIdent(static_cast<TColor>(0x80000005u)), QStringLiteral("clWindow"));
    EXPECT_EQ(ColorToIdent(clNone), QStringLiteral("clNone"));
    EXPECT_EQ(ColorToIdent(clDefault), QStringLiteral("clDefault"));
    EXPECT_EQ(ColorToIdent(static_cast<TColor>(0x8000001Bu)),
              QStringLiteral("clGradientActiveCaption"));
    EXPECT_EQ(ColorToIdent(0x123456), std::nullopt);
    EXPECT_EQ(ColorToIdent(static_cast<TColor>(0x80000019u)), std::nullopt);

    EXPECT_EQ(IdentToColor(u"CLBTNFACE"), clBtnFace);
    EXPECT_EQ(IdentToColor(u"clmoneygreen"), 0xC0DCC0);
    EXPECT_EQ(IdentToColor(u"clLtGray"), std::nullopt);
    EXPECT_EQ(IdentToColor(u""), std::nullopt);
}

TEST(IdentMaps, CursorAndCharsetNames) {
    ExpectConsistent(CursorIdents());
    EXPECT_EQ(IntToIdent(CursorIdents(), -22), QStringLiteral("crSizeAll"));
    EXPECT_EQ(IdentToInt(CursorIdents(), u"crSize"), -22);
    EXPECT_EQ(IdentToInt(CursorIdents(), u"CRHANDPOINT"), crHandPoint);
    EXPECT_EQ(IntToIdent(CursorIdents(), -5), std::nullopt);
    EXPECT_EQ(IdentToInt(CursorIdents(), u"crNone"), std::nullopt);

    ExpectConsistent(CharsetIdents());
    EXPECT_EQ(IntToIdent(CharsetIdents(), 0), QStringLiteral("ANSI_CHARSET"));
    EXPECT_EQ(IdentToInt(CharsetIdents(), u"oem_charset"), 255);
    EXPECT_EQ(IntToIdent(CharsetIdents(), 3), std::nullopt);
    EXPECT_EQ(IdentToInt(CharsetIdents(), u"UTF8_CHARSET"), std::nullopt);
}

TEST(Colors, PlainColorsPassThroughAndUnknownSystemColorsAreBlack) {
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(GetSysColor(25), clBlack);
    EXPECT_EQ(GetSysColor(31), clBlack);
    EXPECT_EQ(GetSysColor(-1), clBlack);
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x800000FFu)), clBlack);
}

TEST(Colors, SystemColorsFollowTheCurrentPalette) {
    // Every group and role its own colour, so a system colour read from the wrong one shows.
    QPalette unique;
    for (int g = 0; g < 3; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            unique.setColor(static_cast<QPalette::ColorGroup>(g),
                            static_cast<QPalette::ColorRole>(r), QColor(g * 80 + 1, r * 10, 5));
    constexpr auto A = QPalette::Active, I = QPalette::Inactive, D = QPalette::Disabled;
    const struct {
        TColor Color;
        QPalette::ColorGroup Group;
        QPalette::ColorRole Role;
    } expected[] = {
        {clScrollBar, A, QPalette::Midlight},
        {clBackground, A, QPalette::Dark},
        {clActiveCaption, A, QPalette::Highlight},
        {clInactiveCaption, I, QPalette::Highlight},
        {clMenu, A, QPalette::Window},
        {clWindow, A, QPalette::Base},
        {clWindowFrame, A, QPalette::Shadow},
        {clMenuText, A, QPalette::WindowText},
        {clWindowText, A, QPalette::Text},
        {clCaptionText, A, QPalette::HighlightedText},
        {clActiveBorder, A, QPalette::Window},
        {clInactiveBorder, A, QPalette::Window},
        {clAppWorkSpace, A, QPalette::Mid},
        {clHighlight, A, QPalette::Highlight},
        {clHighlightText, A, QPalette::HighlightedText},
        {clBtnFace, A, QPalette::Button},
        {clBtnShadow, A, QPalette::Dark},
        {clGrayText, D, QPalette::Text},
        {clBtnText, A, QPalette::ButtonText},
        {clInactiveCaptionText, D, QPalette::WindowText},
        {clBtnHighlight, A, QPalette::Light},
        {cl3DDkShadow, A, QPalette::Shadow},
        {cl3DLight, A, QPalette::Midlight},
        {clInfoText, A, QPalette::ToolTipText},
        {clInfoBk, A, QPalette::ToolTipBase},
        {SystemColor(26), A, QPalette::Link},
        {clGradientActiveCaption, A, QPalette::Highlight},
        {clGradientInactiveCaption, I, QPalette::Highlight},
        {SystemColor(29), A, QPalette::Highlight},
        {SystemColor(30), A, QPalette::Window},
    };

    const TColor btnFaceBefore = ColorToRGB(clBtnFace);
    {
        const PaletteOverride palette(unique);
        for (const auto& e : expected) {
            const TColor want = FromQColor(unique.color(e.Group, e.Role));
            EXPECT_EQ(ColorToRGB(e.Color), want) << "system colour " << (e.Color & 0xFF);
            EXPECT_EQ(GetSysColor(e.Color & 0xFF), want);
            EXPECT_EQ(ToQColor(e.Color), unique.color(e.Group, e.Role));
        }
        // Only the low byte selects the system colour.
        EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x8000FF0Fu)), ColorToRGB(clBtnFace));
    }
    EXPECT_EQ(ColorToRGB(clBtnFace), btnFaceBefore);
    EXPECT_EQ(btnFaceBefore,
              FromQColor(QGuiApplication::palette().color(QPalette::Active, QPalette::Button)));
}

TEST(Colors, QtConversionsKeepTheByteOrder) {
    EXPECT_EQ(ToQColor(0x336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ToQColor(clRed), QColor(Qt::red));
    EXPECT_EQ(FromQColor(QColor(0x99, 0x66, 0x33)), 0x336699);
    EXPECT_EQ(FromQColor(QColor(0, 0, 255, 10)), clBlue);
}

TEST(Colors, ListenersMayRemoveThemselvesWhileNotified) {
    QStringList calls;
    int self = 0;
    int late = 0;
    self = AddSystemColorsListener([&] {
        calls << QStringLiteral("self");
        RemoveSystemColorsListener(self);
        // Added during the notification: heard only from the next one on.
        late = AddSystemColorsListener([&] { calls << QStringLiteral("late"); });
    });
    const int other = AddSystemColorsListener([&] { calls << QStringLiteral("other"); });

    NotifySystemColorsChanged();
    EXPECT_EQ(calls, QStringList({"self", "other"}));
    NotifySystemColorsChanged();
    EXPECT_EQ(calls, QStringList({"self", "other", "other", "late"}));

    RemoveSystemColorsListener(other);
    RemoveSystemColorsListener(late);
    NotifySystemColorsChanged();
    EXPECT_EQ(calls.size(), 4);
}
