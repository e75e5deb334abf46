#pragma once

class QLineEdit;
class QWidget;

// An edit field of at most two digits, named by its control id and as wide as its text: a
// count of hours, minutes, seconds or percent points, never negative.
QLineEdit* NewTwoDigitEdit(int id, QWidget* parent);
