#pragma once

#include <QString>

class QLabel;
class QWidget;

// The large bold caption at the top of a stand-in screen or dialog.
QLabel* CaptionLabel(const QString& caption, QWidget* parent);

// The line under that caption telling the clerk the function is still to come.
QLabel* NotYetBuiltLabel(QWidget* parent);
