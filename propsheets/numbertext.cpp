#include "propsheets/numbertext.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "toolkit/core/exceptions.h"

namespace mox {

int StrToIntStrict(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+$"));
    bool ok = pattern.match(text).hasMatch();
    const int value = ok ? text.toInt(&ok) : 0;
    if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

double StrToFloatStrict(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    bool ok = pattern.match(text).hasMatch();
    const double value = ok ? QLocale::c().toDouble(text, &ok) : 0.0;
    if (!ok || !std::isfinite(value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString FloatToText(double value) {
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace mox
