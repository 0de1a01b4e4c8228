#pragma once
// An entry box that is given the focus selects its whole text, so typing replaces it: a
// field that already holds its full width ("000") takes a new value without deleting
// first. A drag inside the box keeps the part it selected.
class QLineEdit;

void SelectAllOnFocus(QLineEdit *edit);
