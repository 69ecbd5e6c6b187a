// Sizes of the buffers that the library, the host and the companion libraries
// hand each other. Each is named once here.
#pragma once

// A text or path buffer: the item and code buffers of the scanners and the
// warning-line test, the items of formatted string lists, the path buffers of
// the file choosers and of the dialogs. It holds at most ITEM_BUFFER_SIZE - 1
// bytes and a NUL.
#define ITEM_BUFFER_SIZE 520

// The filter list of the file chooser, built in a library buffer.
#define FILTER_BUFFER_SIZE 2048
