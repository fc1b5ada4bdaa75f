#include "platform/printing/PreviewWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QToolBar>

namespace {

// Qt's own action of the window, found by the text Qt gave it.
QAction* QtAction(QToolBar& toolbar, const char* text) {
  const QString wanted = QCoreApplication::translate("QPrintPreviewDialog", text);
  for (QAction* action : toolbar.actions())
    if (action->text() == wanted) return action;
  return nullptr;
}

void Hide(QAction* action) {
  if (action) action->setVisible(false);
}

}  // namespace

void AdaptPreviewWindow(QPrintPreviewDialog& dialog, std::function<void()> print,
                        std::function<void()> savePdf) {
  auto* toolbar = dialog.findChild<QToolBar*>();
  if (!toolbar) return;

  QAction* portrait = QtAction(*toolbar, "Portrait");
  const QList<QAction*> actions = toolbar->actions();
  const qsizetype at = actions.indexOf(portrait);
  if (at > 0 && actions[at - 1]->isSeparator()) Hide(actions[at - 1]);
  Hide(portrait);
  Hide(QtAction(*toolbar, "Landscape"));
  Hide(QtAction(*toolbar, "Page setup"));

  QAction* printAction = QtAction(*toolbar, "Print");
  if (printAction) {
    // Qt's slot would open a print dialog past the prompts and close the
    // window after printing.
    QObject::disconnect(printAction, nullptr, &dialog, nullptr);
    printAction->setObjectName(QStringLiteral("actPrint"));
    QObject::connect(printAction, &QAction::triggered, &dialog, std::move(print));
  }

  auto* saveAction = new QAction(QStringLiteral("保存为PDF"), toolbar);
  saveAction->setObjectName(QStringLiteral("actSavePdf"));
  saveAction->setToolTip(QStringLiteral("将报表保存为PDF文件"));
  QObject::connect(saveAction, &QAction::triggered, &dialog, std::move(savePdf));
  toolbar->addAction(saveAction);
}
