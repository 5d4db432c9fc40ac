#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The zoom typed into the zoom dialog: its leading whole number after any white space, 0 when the text does
// not start with one, the largest zoom when the number is larger still. Nothing when the number is negative:
// a zoom has no sign.
std::optional<quint32> TypedZoom(const QString& text);
