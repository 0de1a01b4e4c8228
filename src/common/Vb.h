#pragma once
// The few VB-style text and number helpers the system's formats are written in.
#include <QByteArray>
#include <QString>

// Format(value, mask) for the masks the system uses: "0", "00", "000", "0000", "00000",
// "00.0", "000.0", "0000.0", "000.00", "#0", "###0". Halves round away from zero; a
// negative value gets a leading "-" before the padded digits.
QString Format(double value, const QString &mask);
// Format of a text: an empty text stays empty, anything else is formatted as Val(text).
QString Format(const QString &text, const QString &mask);

// Leading number of the text (blanks skipped, optional sign, digits, one decimal point);
// 0 when there is none.
double Val(const QString &text);
double Val(const QByteArray &text);

// 1-based substring; characters beyond the end are simply missing (never an error).
QString Mid(const QString &text, int start, int length = -1);
QByteArray Mid(const QByteArray &text, int start, int length = -1);
