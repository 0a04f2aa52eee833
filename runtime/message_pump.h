#pragma once

namespace vx {

// Lets the GUI thread handle every waiting message except WM_QUIT, which stays
// queued for the loop that owns it.
void ProcessPendingMessages();

}  // namespace vx
