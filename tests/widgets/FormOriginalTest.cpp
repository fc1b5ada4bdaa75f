#include <gtest/gtest.h>

#include "platform/prompts/ScriptedPrompts.h"
#include "widgets/base/FormOriginal.h"

TEST(FormOriginal, maximisingTakesTheWorkAreaOfTheMainWindowAndTogglesBack) {
  TScriptedPrompts prompts;

  TFormOriginal alone(TScreenServices{prompts, {}});
  alone.move(10, 20);
  alone.resize(300, 200);
  alone.ToggleMaximized();  // without a main window nothing changes
  EXPECT_FALSE(alone.IsMaximizedToWorkArea());
  EXPECT_EQ(alone.size(), QSize(300, 200));

  // A main window whose work area is its lower part.
  QWidget main;
  main.move(100, 50);
  main.resize(900, 700);
  main.show();
  const auto workArea = [&main]() -> std::optional<TWorkArea> {
    return TWorkArea{QRect(main.mapToGlobal(QPoint(0, 60)), QSize(900, 640)),
                     main.frameGeometry().left()};
  };
  const QRect area = workArea()->Area;
  const TScreenServices services{prompts, workArea};

  TFormOriginal form(services);
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
  auto* screen = new TFormOriginal(services, &host);
  screen->setGeometry(5, 5, 100, 100);
  host.show();
  screen->ToggleMaximized();
  EXPECT_EQ(screen->mapToGlobal(QPoint(0, 0)),
            QPoint(main.frameGeometry().left() + 4, area.top() + 30));
  EXPECT_EQ(screen->size(), area.size());
}
