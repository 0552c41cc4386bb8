// Fonts: size/height conversion, change notification, the stored property table and the mapping
// to installed fonts that keeps text metrics the same on every machine.
#include "toolkit/graphics/font.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "toolkit/graphics/fontmetrics.h"

using namespace mox;

TEST(Font, DefaultsAndSizeHeightConversion) {
    TFont f;
    EXPECT_EQ(f.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(f.Color(), clWindowText);
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11);
}

// The Qt font, the cell and the text widths are remembered between changes: every change must
// drop them.
TEST(Font, MeasuresAfreshAfterEveryChange) {
    TFont f;
    const QString text = QStringLiteral("Volume");
    const int width = f.TextWidth(text);
    const int height = f.Metric().Height();
    EXPECT_EQ(f.TextWidth(text), width);
    f.SetHeight(-22);
    EXPECT_GT(f.TextWidth(text), width);
    EXPECT_GT(f.Metric().Height(), height);
    EXPECT_EQ(f.ToQFont().pixelSize(), 22);
    f.SetStyle({TFontStyle::fsBold});
    EXPECT_TRUE(f.ToQFont().bold());
    const TFont plain;
    f.Assign(&plain);
    EXPECT_FALSE(f.ToQFont().bold());
    EXPECT_EQ(f.TextWidth(text), width);
    EXPECT_EQ(f.Metric().Height(), height);
    // Many different texts: widths stay right past the number remembered.
    for (int i = 0; i < 600; ++i)
        EXPECT_EQ(f.TextWidth(QString::number(i)), plain.TextWidth(QString::number(i)));
}

TEST(Font, ChangeNotificationOncePerRealChange) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    f.SetHeight(-11);
    f.SetColor(clWindowText);
    EXPECT_EQ(changes, 0);
    f.SetStyle({TFontStyle::fsBold});
    f.SetName(QStringLiteral("Arial"));
    EXPECT_EQ(changes, 2);

    TFont other;
    other.SetHeight(-20);
    other.SetColor(clRed);
    f.Assign(&other);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(f == other);
    f.Assign(&other);
    EXPECT_EQ(changes, 3);
}

TEST(Font, StoredPropertiesInStreamOrder) {
    QStringList stored;
    TFont f;
    for (const TPropInfo& p : TFont::StaticClass().Properties())
        if (p.IsStored(f)) stored << p.Name;
    EXPECT_EQ(stored, QStringList({"Charset", "Color", "Height", "Name", "Pitch", "Style"}));
    EXPECT_EQ(TFont::StaticClass().FindProperty(u"Pitch")->Default, 0);
    EXPECT_FALSE(TFont::StaticClass().FindProperty(u"Style")->Default.has_value());
}

TEST(Font, ClassicNamesMapToInstalledFamilies) {
    TFont f;
    const QFont q = f.ToQFont();
    EXPECT_EQ(QFontInfo(q).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(q.pixelSize(), 11);
    EXPECT_TRUE(q.styleStrategy() & QFont::NoAntialias);
    // The rack's font gives a 13-pixel line, as racks saved elsewhere expect.
    EXPECT_EQ(TextMetricOf(q).Height(), 13);

    f.SetName(QStringLiteral("No Such Font Anywhere"));
    EXPECT_EQ(QFontInfo(f.ToQFont()).family(), QStringLiteral("DejaVu Sans"));
}

TEST(Font, PositiveHeightIsTheCellHeight) {
    TFont f;
    f.SetHeight(20);
    EXPECT_NEAR(TextMetricOf(f.ToQFont()).Height(), 20, 1);
}
