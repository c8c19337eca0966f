#pragma once

class QLabel;
class QPushButton;
class QWidget;

// The cash book's windows in the colours of the program's artwork.
namespace cashbook::look {

void paintBackground(QWidget* window); // a pale blue gradient behind the panel
void makePrimary(QPushButton* button); // a filled blue command button
void setPointSize(QWidget* widget, int points, bool bold = false);
void makeHeading(QLabel* label); // bold navy caption of a group of fields

} // namespace cashbook::look
