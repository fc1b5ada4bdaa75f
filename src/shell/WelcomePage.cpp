#include "shell/WelcomePage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/AppInfo.h"

TWelcomePage::TWelcomePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlWelcome"));
  auto* title = new QLabel(MainWindowCaption(), this);
  title->setObjectName(QStringLiteral("lblWelcomeTitle"));
  title->setAlignment(Qt::AlignCenter);
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
  titleFont.setBold(true);
  title->setFont(titleFont);

  auto* hint = new QLabel(QStringLiteral("请在左侧菜单中选择要办理的业务。\n"
                                         "联机查询与参数更新需要先点击“登陆企业网银”与银行联机。"),
                          this);
  hint->setObjectName(QStringLiteral("lblWelcomeHint"));
  hint->setAlignment(Qt::AlignCenter);
  QFont hintFont = hint->font();
  hintFont.setPointSizeF(hintFont.pointSizeF() * 1.2);
  hint->setFont(hintFont);
  QPalette palette = hint->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
  hint->setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  layout->addStretch(2);
  layout->addWidget(title);
  layout->addSpacing(16);
  layout->addWidget(hint);
  layout->addStretch(3);
}
