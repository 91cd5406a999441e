#include "notice/start_notice.h"

#include <system_error>
#include <thread>

#include "app/windows.h"
#include "notice/addresses.h"
#include "notice/http_read_file.h"
#include "notice/notice_caption.h"
#include "values/byte_set.h"

namespace quorvella {
namespace {

// Reads the notice page and makes its notice the link strip's caption; runs once, on a thread
// of its own that nothing waits for.
void NoticeWorker() {
  const Text caption = NoticeCaption(BytesToText(HttpReadFile(NoticeUrl())));
  WritePropertyIfOpen("MainWindow", "超级链接框2", 8, caption);
}

}  // namespace

void StartNotice() {
  try {
    std::thread(&NoticeWorker).detach();
  } catch (const std::system_error&) {
    // No thread: the strip keeps its starting caption.
  }
}

}  // namespace quorvella
