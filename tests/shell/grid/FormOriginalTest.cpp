#include <gtest/gtest.h>

#include "platform/prompts/ScriptedPrompts.h"
#include "shell/FormOriginal.h"
#include "shell/MainWindow.h"
#include "support/TempAppDir.h"

TEST(FormOriginal, maximisingTakesTheWorkAreaOfTheMainWindowAndTogglesBack) {
  TempAppDir dir;
  TScriptedPrompts prompts;  // the main window complains about its missing menu
  TPromptsScope scope(prompts);

  TFormOriginal alone;
  alone.move(10, 20);
  alone.resize(300, 200);
  alone.ToggleMaximized();  // without a main window nothing changes
  EXPECT_FALSE(alone.IsMaximizedToWorkArea());
  EXPECT_EQ(alone.size(), QSize(300, 200));

  TFormMain main(dir.path());
  main.move(100, 50);
  main.resize(900, 700);
  main.show();
  const QRect area = main.WorkAreaRect();
  ASSERT_GT(area.width(), 300);
  ASSERT_GT(area.top(), 50);

  TFormOriginal form;
  form.move(10, 20);
  form.resize(300, 200);
  form.show();
  form.ToggleMaximized();
  EXPECT_TRUE(form.IsMaximizedToWorkArea());
  EXPECT_EQ(form.pos(), QPoint(main.frameGeometry().left() + 4, area.top() + 30));
  EXPECT_EQ(form.size(), area.size());
  form.ToggleMaximized();
  EXPECT_FALSE(form.IsMaximizedToWorkArea());
  EXPECT_EQ(form.pos(), QPoint(10, 20));
  EXPECT_EQ(form.size(), QSize(300, 200));

  // The window system's maximise does the same instead of filling the screen.
  form.setWindowState(Qt::WindowMaximized);
  EXPECT_TRUE(form.IsMaximizedToWorkArea());
  EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(form.size(), area.size());

  // A screen embedded in a window is placed the same way, in its parent's terms.
  QWidget host;
  host.move(200, 100);
  host.resize(1200, 900);
  auto* screen = new TFormOriginal(&host);
  screen->setGeometry(5, 5, 100, 100);
  host.show();
  screen->ToggleMaximized();
  EXPECT_EQ(screen->mapToGlobal(QPoint(0, 0)),
            QPoint(main.frameGeometry().left() + 4, area.top() + 30));
  EXPECT_EQ(screen->size(), area.size());
}
