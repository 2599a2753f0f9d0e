#pragma once

// Reading numbers typed into dialog fields, the same way in every dialog that asks for one.

#include <QStringView>
#include <optional>

namespace numbers {

// The number a count field stands for: blanks, tabs and line feeds are ignored wherever
// they stand, then the longest leading decimal number (sign, digits, point, exponent) is
// taken. A text that does not start with a number gives 0.
double leadingNumber(QStringView text);

// The whole text as a decimal number, blanks and tabs around it allowed; nullopt when the
// text is empty or is not a number from end to end.
std::optional<double> strictNumber(QStringView text);

// The nearest whole number, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
double roundHalfEven(double value);

// `value` rounded half to even, or nullopt when the result is outside -32768..32767.
std::optional<qint16> toInt16(double value);

// The strict reading of `text` rounded into 16 bits; nullopt on empty or non-numeric text
// and on overflow.
std::optional<qint16> toInt16(QStringView text);

} // namespace numbers
