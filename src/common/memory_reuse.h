// Large freed blocks stay with the program for reuse. A long calculation report grows its page
// by tens of megabytes, once for each plane; memory that went back to the system comes again
// page by page, each first touched at the cost of a fault.
#pragma once

#include <cstddef>

// Called once, at the start of a program that shows reports.
void KeepLargeBlocksForReuse();

// Faults in the pages of a block about to be written whole, in one call rather than one fault
// a page. Nothing happens where the system cannot.
void PrepareForWriting(void* block, size_t size);
