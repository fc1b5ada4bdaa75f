#include "shell/ClientApplication.h"

#include <QFontDatabase>
#include <QLibraryInfo>
#include <cstdio>

#include "core/AppInfo.h"
#include "platform/prompts/ChineseTranslation.h"
#include "widgets/base/CommandGuard.h"

namespace {

// Chinese text is drawn with a CJK font of simplified glyph forms where one is
// installed, not with whichever CJK font the font fallback happens to pick.
void UseSimplifiedChineseFont() {
  for (const char* family : {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei"}) {
    if (QFontDatabase::hasFamily(QString::fromUtf8(family))) {
      QFont font = QApplication::font();
      font.setFamily(QString::fromUtf8(family));
      QApplication::setFont(font);
      return;
    }
  }
}

}  // namespace

TClientApplication::TClientApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(AppTitle());
  UseSimplifiedChineseFont();
  if (!InstallChineseTranslation(*this))
    std::fprintf(stderr, "Qt's Chinese translation qtbase_zh_CN.qm is missing from %s\n",
                 qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

bool TClientApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    if (prompts_) ShowCurrentException(*prompts_);
    return false;
  }
}
