// Giving memory that the program has freed back to the system.
#pragma once

// Large blocks (a notebook's bytes, its text, the arrays of its lines) get pages of their own that
// go back to the system as soon as they are freed. Without this the allocator moves large blocks
// into the heap after the first few are freed, where a reopened notebook leaves holes that grow
// the program with every reload. Called once at start.
void keepLargeBlocksApart();

// Returns the free pages of the heap to the system, also those between blocks still in use. Costs
// a walk over the heap's free blocks: for after a large release, not for every action.
void releaseFreeMemory();
