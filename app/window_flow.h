#pragma once
// How the reader is opened and re-opened. The full-screen button asks for
// the reader again; its opener re-creates it, so no toggle nests a loop.

namespace app {

// Opens the reader, modal, and opens it again for as long as it closes with
// a request to do so.
void openReader();
// Closes the reader and has its opener create it anew.
void reopenReader();

} // namespace app
