#pragma once

#include <functional>

class QPrintPreviewDialog;

// Fits Qt's preview window to a fixed A4 portrait layout whose printing goes
// through the prompts:
// - its print action ("actPrint") calls print instead of opening Qt's own
//   print dialog, and stays in the window afterwards;
// - a "保存为PDF" action ("actSavePdf") after it calls savePdf;
// - the page-setup and orientation actions are gone, since they would change a
//   page that the layout fixes (and page setup opens a dialog of Qt's own).
void AdaptPreviewWindow(QPrintPreviewDialog& dialog, std::function<void()> print,
                        std::function<void()> savePdf);
