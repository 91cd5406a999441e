#include "notice/start_notice.h"

namespace quorvella {

void StartNotice() {
  // Not built yet: there is no notice worker, so the strip keeps its starting caption.
}

}  // namespace quorvella
