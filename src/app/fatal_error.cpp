#include "app/fatal_error.h"

#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <string>

#include "app/end_program.h"
#include "app/qt_text.h"
#include "values/code_page.h"
#include "values/fatal_messages.h"
#include "values/numbers.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

constexpr int kFatalStatus = 255;  // the exit code -1 as the platform reports it

// Shows the box and ends the process; on the main thread only.
[[noreturn]] void ReportAndEnd(const Text& text) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), ToQString(text),
                    QMessageBox::Ok);
    box.exec();
  } else {
    const std::string shown = ToLocale(text).value_or(text.str());
    std::fprintf(stderr, "%s", shown.c_str());
  }
  EndProgram();
  std::fflush(nullptr);
  _exit(kFatalStatus);
}

}  // namespace

Text FatalErrorText(const Text& message, int32_t code) {
  Text text = TextJoin({kRuntimeErrorText, "\r\n\r\n"_text});
  if (code != 0) {
    text = TextJoin({text, Utf8Text("错误代码："), IntToText(code), "\r\n\r\n"_text});
  }
  if (!message.empty()) text = TextJoin({text, Utf8Text("错误信息："), message, "\r\n"_text});
  return text;
}

void FatalError(const Text& message, int32_t code) {
  const Text text = FatalErrorText(message, code);
  QCoreApplication* application = QCoreApplication::instance();
  if (!application || QThread::currentThread() == application->thread()) ReportAndEnd(text);
  // Another thread: the main thread shows the box and does the end work; this one waits.
  // When the main thread is ending already it may never get to it, so this thread ends the
  // process itself.
  if (!ProgramEnding()) {
    QMetaObject::invokeMethod(
        application, [text] { ReportAndEnd(text); }, Qt::BlockingQueuedConnection);
  }
  _exit(kFatalStatus);
}

void FatalOutOfMemory(int64_t bytes) {
  FatalError(OutOfMemoryMessage(bytes));
}

}  // namespace quorvella
