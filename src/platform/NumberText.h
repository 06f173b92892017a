#pragma once
// Number text, independent of the user's locale. Every number the program reads from or writes to a
// file goes through here: the GUI toolkit may switch the process to a locale with "," as decimal
// separator, and the structure files must not change with it.
//
// Reading follows the leading-number rules of the C runtime the files were first written with:
// leading white space, an optional sign, decimal digits with an optional point, an optional exponent;
// whatever follows the number is ignored, and a text without a number reads as 0. Hexadecimal
// numbers, "inf" and "nan" are not numbers here.
//
// Formatting is printf-style; the exponent of "%e", "%E", "%g" and "%G" carries at least three
// digits ("1.000000e+018"), as that runtime wrote it, and files depend on it.

#include <cstdarg>
#include <cstddef>
#include <string>

// Reads the leading decimal number of the text. consumed (when given) receives the number of
// characters used, leading white space included; 0 when the text does not start with a number.
double StrToD(const std::string& text, std::size_t* consumed = nullptr);
double StrToD(const char* text, std::size_t* consumed = nullptr);
// The same for the text from `text` up to `end` (at most), read as a float rounded once from its
// digits, as "%f" reads it. Fast enough for files of millions of numbers.
float StrToF(const char* text, const char* end, std::size_t* consumed = nullptr);

// atof: the leading number of the text, 0.0 when there is none.
double AtoF(const std::string& text);
// atoi: the leading integer of the text (white space, sign, digits), 0 when there is none; values
// beyond the range of int are clamped to it.
int AtoI(const std::string& text);
// The 0-based index a 1-based number text names ("column_num", "zseg_num"): AtoI(text) - 1, and -1
// for every number below 1, so that no text makes the subtraction overflow.
int AtoIndex(const std::string& text);
// AtoF of a text that is there; fallback for an empty text (a parameter the statement leaves out).
double AtoFOr(const std::string& text, double fallback);
// strtol-like: leading integer, clamped to long.
long AtoL(const std::string& text);
// A double truncated toward zero as an int, kept within int's range first (a value beyond it has
// no int at all); NaN gives 0.
int TruncateToInt(double value);

// printf-style formatting in the "C" locale with three-digit exponents (see above).
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string StrFormatV(const char* format, va_list args);
// StrFormat("%.*f", precision, value) and StrFormat("%.*e", precision, value) without a format to
// read: the writers of the structure files format every number of a file, and most go this way.
std::string FixedText(double value, int precision);
std::string ScientificText(double value, int precision);

// The compact text of a number: a text that is wholly one decimal number is shortened (zero becomes
// "0", zeros at the end of the fraction go, the point stays, leading zeros of the exponent go:
// "2.500" -> "2.5", "2.000" -> "2.", "1.50e+05" -> "1.5e+5"); every other text stays as it is.
void NormalizeNumberText(std::string& text);
