// Starts the desktop program's window and prints, in milliseconds since this process began,
// when the window was first shown and when its page finished loading, then ends:
//   quorvella-startup-probe with-page      the whole window
//   quorvella-startup-probe without-page   the same window less the page frame and box
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

#include "app/application.h"
#include "app/control_table.h"
#include "app/load_window.h"
#include "app/windows.h"

namespace {

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(std::function<void()> report) : report_(std::move(report)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && report_) std::exchange(report_, nullptr)();
    return false;
  }

 private:
  std::function<void()> report_;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  const bool with_page = argc == 2 && std::strcmp(argv[1], "with-page") == 0;
  quorvella::PrepareProcess();
  QApplication application(argc, argv);
  quorvella::PrepareApplication(application);
  quorvella::WindowTable table = quorvella::MainWindowTable();
  if (!with_page) table.rows.erase(table.rows.begin(), table.rows.begin() + 2);
  QWidget* window = quorvella::LoadWindow(table);
  if (!window) return 1;
  // Shown: the window's first paint. Loaded: the page view's load ends (the view itself is
  // made once the window is shown, so it is looked for until it is there).
  FirstPaint first_paint([&] {
    std::printf("shown %lld\n", static_cast<long long>(clock.elapsed()));
    std::fflush(stdout);
    if (!with_page) application.quit();
  });
  window->installEventFilter(&first_paint);
  QTimer look_for_view;
  QObject::connect(&look_for_view, &QTimer::timeout, [&] {
    auto* view = window->findChild<QWebEngineView*>();
    if (!view) return;
    look_for_view.stop();
    QObject::connect(view, &QWebEngineView::loadFinished, [&](bool ok) {
      std::printf("page-loaded %lld %s\n", static_cast<long long>(clock.elapsed()),
                  ok ? "ok" : "failed");
      std::fflush(stdout);
      application.quit();
    });
  });
  if (with_page) look_for_view.start(5);
  QTimer::singleShot(30000, &application, &QApplication::quit);
  application.exec();
  std::fflush(nullptr);
  std::_Exit(0);
}
