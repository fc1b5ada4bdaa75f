#include <gtest/gtest.h>

#include <QDir>
#include <QStandardItemModel>
#include <QTableView>
#include <stdexcept>

#include "platform/files/FileError.h"
#include "support/TempAppDir.h"
#include "widgets/grid/GridLayout.h"

namespace {

struct Grid {
  explicit Grid(int columns) : Model(1, columns) { View.setModel(&Model); }
  void SetWidths(std::initializer_list<int> widths) {
    int column = 0;
    for (int width : widths) View.setColumnWidth(column++, width);
  }
  QStandardItemModel Model;
  QTableView View;
};

TEST(GridLayout, isSavedUnderItsKeyAndReplacedOnTheNextSave) {
  TempAppDir dir;
  const QString layout = dir.File("param/Grid.xml");
  QDir().mkpath(dir.File("param"));
  Grid grid(3);
  grid.SetWidths({80, 120, 45});
  SaveGridLayoutFile(layout, grid.View, "Batch");
  EXPECT_EQ(dir.Read("param/Grid.xml"),
            "<Grids><Batch><Col1>80</Col1><Col2>120</Col2><Col3>45</Col3></Batch></Grids>");

  Grid other(1);
  other.SetWidths({60});
  SaveGridLayoutFile(layout, other.View, "Payees_2");
  Grid narrower(2);
  narrower.SetWidths({90, 50});
  SaveGridLayoutFile(layout, narrower.View, "Batch");
  EXPECT_EQ(dir.Read("param/Grid.xml"),
            "<Grids><Batch><Col1>90</Col1><Col2>50</Col2></Batch>"
            "<Payees_2><Col1>60</Col1></Payees_2></Grids>");

  Grid loaded(3);
  loaded.SetWidths({40, 41, 42});
  LoadGridLayoutFile(layout, loaded.View, "Batch");
  EXPECT_EQ(loaded.View.columnWidth(0), 90);
  EXPECT_EQ(loaded.View.columnWidth(1), 50);
  EXPECT_EQ(loaded.View.columnWidth(2), 42);
}

TEST(GridLayout, loadingAppliesOnlyUsableWidthsAndIgnoresBrokenFiles) {
  TempAppDir dir;
  const QString layout = dir.File("param/Grid.xml");
  QDir().mkpath(dir.File("param"));
  Grid grid(5);
  grid.SetWidths({40, 41, 42, 43, 44});
  dir.Write("param/Grid.xml",
            "<Grids><Batch><Col1>0</Col1><Col2>abc</Col2><Col3>-5</Col3><Col4>77</Col4>"
            "</Batch></Grids>");
  LoadGridLayoutFile(layout, grid.View, "Batch");
  EXPECT_EQ(grid.View.columnWidth(0), 40);
  EXPECT_EQ(grid.View.columnWidth(1), 41);
  EXPECT_EQ(grid.View.columnWidth(2), 42);
  EXPECT_EQ(grid.View.columnWidth(3), 77);
  EXPECT_EQ(grid.View.columnWidth(4), 44);

  LoadGridLayoutFile(layout, grid.View, "Other");
  dir.Write("param/Grid.xml", "<Grids><Batch><Col1>50</Col1>");
  LoadGridLayoutFile(layout, grid.View, "Batch");
  EXPECT_EQ(grid.View.columnWidth(0), 40);

  // Saving over the broken file starts afresh.
  SaveGridLayoutFile(layout, grid.View, "Batch");
  EXPECT_TRUE(dir.Read("param/Grid.xml").startsWith("<Grids><Batch><Col1>40</Col1>"));
}

TEST(GridLayout, refusesKeysThatAreNoElementNames) {
  TempAppDir dir;
  const QString layout = dir.File("param/Grid.xml");
  QDir().mkpath(dir.File("param"));
  Grid grid(1);
  for (const char* key : {"", "1Batch", "Batch grid", "a<b", "批量", "x:y"}) {
    EXPECT_THROW(SaveGridLayoutFile(layout, grid.View, QString::fromUtf8(key)),
                 std::invalid_argument)
        << key;
    EXPECT_THROW(LoadGridLayoutFile(layout, grid.View, QString::fromUtf8(key)),
                 std::invalid_argument)
        << key;
  }
  EXPECT_FALSE(QFile::exists(dir.File("param/Grid.xml")));
}

}  // namespace
