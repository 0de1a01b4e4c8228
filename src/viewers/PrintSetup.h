#pragma once
// The printer chosen in print setup. Qt applies a page setup to one QPrinter only, so the
// choice is kept here and every printout starts from it.
class QPrinter;
class QWidget;

namespace PrintSetup {

// Shows the page setup dialog on the printer kept so far; OK keeps the new choice.
bool run(QWidget *parent = nullptr);
// Gives a printer the chosen printer, page and orientation (nothing before a choice).
void applyTo(QPrinter &printer);
// Keeps the printer's choice for later printouts.
void keep(const QPrinter &printer);
bool chosen();

} // namespace PrintSetup
