#include "PrintSetup.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>

namespace PrintSetup {

namespace {
struct Choice {
    bool chosen = false;
    QString printerName;
    QPageLayout layout;
};
Choice &choice()
{
    static Choice kept;
    return kept;
}
} // namespace

bool run(QWidget *parent)
{
    QPrinter printer;
    applyTo(printer);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    keep(printer);
    return true;
}

void applyTo(QPrinter &printer)
{
    const Choice &c = choice();
    if (!c.chosen)
        return;
    if (!c.printerName.isEmpty() && printer.outputFormat() == QPrinter::NativeFormat)
        printer.setPrinterName(c.printerName);
    printer.setPageLayout(c.layout);
}

void keep(const QPrinter &printer)
{
    Choice &c = choice();
    c.chosen = true;
    c.printerName = printer.printerName();
    c.layout = printer.pageLayout();
}

bool chosen()
{
    return choice().chosen;
}

} // namespace PrintSetup
