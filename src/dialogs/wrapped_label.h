#pragma once

#include <QLabel>
#include <QString>

// A word-wrapped text of a dialog, owned by `parent`.
QLabel* WrappedLabel(const QString& text, QWidget* parent);
