#include "toolkit/graphics/font.h"

#include <QFontMetrics>
#include <cmath>

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/fontmapping.h"
#include "toolkit/graphics/fontmetrics.h"

namespace mox {

namespace {
// Windows rounds point/pixel conversions half away from zero.
int MulDivRound(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}
constexpr int kDefaultPixelSize = 11;  // what a height of 0 ("the default size") stands for
}  // namespace

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TFont>("TFont", TPersistent::StaticClass())
            .Charset("Charset", &TFont::Charset, &TFont::SetCharset)
            .Color("Color", &TFont::Color, &TFont::SetColor)
            .Integer("Height", &TFont::Height, &TFont::SetHeight)
            .String("Name", &TFont::Name, &TFont::SetName)
            .Enumeration("Pitch", &TFont::Pitch, &TFont::SetPitch, TFontPitch::fpDefault)
            .Integer("Size", &TFont::Size, &TFont::SetSize)
            .NotStored()
            .Set("Style", &TFont::Style, &TFont::SetStyle)
            .Build();
    return info;
}

TFont::TFont() = default;

void TFont::Changed() {
    FQtFont.reset();
    FMetric.reset();
    FWidths.clear();
    OnChange(this);
}

void TFont::SetCharset(TFontCharset value) {
    if (value == FCharset) return;
    FCharset = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = value;
    Changed();
}

void TFont::SetName(const QString& value) {
    if (value == FName || value.isEmpty()) return;
    FName = value;
    Changed();
}

void TFont::SetPitch(TFontPitch value) {
    if (value == FPitch) return;
    FPitch = value;
    Changed();
}

int TFont::Size() const {
    return -MulDivRound(FHeight, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int value) {
    SetHeight(-MulDivRound(value, ScreenPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

bool TFont::operator==(const TFont& o) const {
    return FCharset == o.FCharset && FColor == o.FColor && FHeight == o.FHeight &&
           FName == o.FName && FPitch == o.FPitch && FStyle == o.FStyle;
}

void TFont::Assign(const TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    if (*font == *this) return;
    FCharset = font->FCharset;
    FColor = font->FColor;
    FHeight = font->FHeight;
    FName = font->FName;
    FPitch = font->FPitch;
    FStyle = font->FStyle;
    Changed();
}

QFont TFont::ToQFont() const {
    if (!FQtFont) FQtFont = MakeQFont();
    return *FQtFont;
}

TTextMetric TFont::Metric() const {
    if (!FMetric) FMetric = TextMetricOf(ToQFont());
    return *FMetric;
}

int TFont::TextWidth(const QString& text) const {
    // Bounded: a font that measures ever new texts (a running counter) keeps only the recent ones.
    constexpr qsizetype kMaxRemembered = 256;
    if (const auto it = FWidths.constFind(text); it != FWidths.cend()) return *it;
    if (FWidths.size() >= kMaxRemembered) FWidths.clear();
    const int width = QFontMetrics(ToQFont()).horizontalAdvance(text);
    FWidths.insert(text, width);
    return width;
}

QFont TFont::MakeQFont() const {
    QFont f(InstalledFontFamily(FName));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    f.setBold(FStyle.Contains(TFontStyle::fsBold));
    f.setItalic(FStyle.Contains(TFontStyle::fsItalic));
    f.setUnderline(FStyle.Contains(TFontStyle::fsUnderline));
    f.setStrikeOut(FStyle.Contains(TFontStyle::fsStrikeOut));
    if (FPitch == TFontPitch::fpFixed) f.setFixedPitch(true);
    if (FHeight < 0) {
        f.setPixelSize(-FHeight);
    } else if (FHeight == 0) {
        f.setPixelSize(kDefaultPixelSize);
    } else {
        // A positive height is the whole cell (ascent + descent): scale the em size to fit it.
        constexpr int kProbeSize = 100;
        f.setPixelSize(kProbeSize);
        const int cell = TextMetricOf(f).Height();
        f.setPixelSize(std::max(
            1, static_cast<int>(std::lround(FHeight * static_cast<double>(kProbeSize) / cell))));
    }
    return f;
}

}  // namespace mox
