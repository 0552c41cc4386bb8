#pragma once
// Font description of controls and canvases, with change notification.

#include <QFont>
#include <QHash>
#include <QString>
#include <optional>

#include "toolkit/core/persistent.h"
#include "toolkit/graphics/charsets.h"
#include "toolkit/graphics/colors.h"
#include "toolkit/graphics/fontmetrics.h"

namespace mox {

MOX_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
MOX_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

// Screen resolution the program assumes: font sizes in points convert to pixels through it.
constexpr int ScreenPixelsPerInch = 96;

class TFont : public TPersistent {
    MOX_CLASS
public:
    TFont();

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // Negative: character height in pixels (without internal leading); positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int value);
    QString Name() const { return FName; }
    void SetName(const QString& value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    // Points, derived from Height at 96 pixels per inch.
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);

    void Assign(const TPersistent* source) override;
    bool operator==(const TFont& other) const;

    // The Qt font to draw with: the name mapped to an installed family, no antialiasing. Made
    // once per change and then shared, so that Qt keeps its glyphs and metrics for it: text is
    // drawn and measured with every paint.
    QFont ToQFont() const;
    // The font's text cell, measured once per change.
    TTextMetric Metric() const;
    // The advance width of `text`; instruments measure the same labels with every paint, so
    // widths are remembered until the font changes.
    int TextWidth(const QString& text) const;

    TNotifyEvent OnChange;

private:
    void Changed();
    QFont MakeQFont() const;

    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int FHeight = -11;
    QString FName = QStringLiteral("MS Sans Serif");
    TFontPitch FPitch = TFontPitch::fpDefault;
    TFontStyles FStyle;
    mutable std::optional<QFont> FQtFont;
    mutable std::optional<TTextMetric> FMetric;
    mutable QHash<QString, int> FWidths;
};

}  // namespace mox
