// Ctrl+C, Ctrl+Break and closing the console end a console program on Windows: the
// temporary files of the job under way are removed first.
#include "cli/cli_session.h"
#include "platform/dirspool/pending_file.h"
#include "platform/dirspool/spool_os.h"
#include "platform/win32/console.h"

namespace cli {

void RemovePendingFilesOnSignals() {
  platform::win32::RunBeforeConsoleEnd([] {
    // Waits for a file being made to be entered for removal.
    platform::spoolos::HoldingEndSignals([] { platform::RemovePendingFiles(); });
  });
}

// The console's end is answered before it happens (above): nothing is left to end here.
void EndAsSignalled() {}

}  // namespace cli
