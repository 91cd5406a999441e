#include "app/application.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app/control_table.h"
#include "app/end_program.h"
#include "app/fatal_error.h"
#include "app/load_window.h"
#include "app/windows.h"
#include "notice/http_read_file.h"
#include "values/code_page.h"
#include "values/memory.h"

namespace quorvella {

void PrepareProcess() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void PrepareApplication(QApplication& application) {
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The system's dialog font: a Song face at 12 pixels, or a CJK face that has the glyphs.
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("Noto Sans CJK")});
  font.setPixelSize(12);
  application.setFont(font);
  SetOutOfMemoryHandler(&FatalOutOfMemory);
  HttpInitialize();
}

void RunApplication(int argc, char** argv) {
  PrepareProcess();
  QApplication application(argc, argv);
  PrepareApplication(application);
  RunMainWindow(application);
}

void RunMainWindow(QApplication& application) {
  if (!LoadWindow(MainWindowTable())) {
    FatalError(Utf8Text("载入启动窗口失败"));
  }
  const LoadedWindow* window = FindLoadedWindow(MainWindowTable().name);
  if (window && window->widget && window->widget->isVisible()) application.exec();
  EndProgram();
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace quorvella
