// Runs the desktop program's start-up, window and end with one scripted thing happening, so
// that a test can watch how the process ends:
//   window_probe esc           prints the current directory; Esc is pressed after start
//   window_probe unloaded-window  a property of a window that was never loaded is read
//   window_probe destroyed-window  a property of a control is read after its window is gone
//   window_probe fatal-thread  another thread raises a fatal error; its box is answered, and
//                              its caption and text are printed on stdout first
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <thread>

#include "app/application.h"
#include "app/control_table.h"
#include "app/end_program.h"
#include "app/fatal_error.h"
#include "app/load_window.h"
#include "app/windows.h"
#include "values/code_page.h"

namespace {

// Answers the first message box that comes up, after printing what it says.
void AnswerMessageBoxes() {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    std::printf("caption: %s\ntext: %s\n", box->windowTitle().toUtf8().constData(),
                box->text().toUtf8().constData());
    std::fflush(stdout);
    box->accept();
  });
  poll->start(20);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  quorvella::PrepareProcess();
  QApplication application(argc, argv);
  quorvella::PrepareApplication(application);
  if (std::strcmp(argv[1], "esc") == 0) {
    std::printf("%s\n", QDir::currentPath().toUtf8().constData());
    // Esc goes to the focused box once the window has the focus.
    auto* poll = new QTimer(&application);
    QObject::connect(poll, &QTimer::timeout, [poll] {
      if (QWidget* focused = QApplication::focusWidget()) {
        poll->stop();
        QTest::keyClick(focused, Qt::Key_Escape);
      }
    });
    poll->start(20);
  } else if (std::strcmp(argv[1], "destroyed-window") == 0) {
    AnswerMessageBoxes();
    QTimer::singleShot(50, [] {
      delete quorvella::FindLoadedWindow("MainWindow")->widget.data();
      quorvella::ReadProperty("MainWindow", "编辑框1", 8);
    });
  } else if (std::strcmp(argv[1], "unloaded-window") == 0) {
    AnswerMessageBoxes();
    QTimer::singleShot(50, [] { quorvella::ReadProperty("NoSuchWindow", "编辑框1", 8); });
  } else if (std::strcmp(argv[1], "fatal-thread") == 0) {
    AnswerMessageBoxes();
    QTimer::singleShot(50, [] {
      std::thread([] {
        quorvella::FatalError(quorvella::FromUtf8("线程里的错误").value_or(quorvella::Text()));
      }).detach();
    });
  } else {
    return 2;
  }
  quorvella::RunMainWindow(application);
}
