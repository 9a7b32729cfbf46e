#pragma once

// Counts every operator new and delete in the program while counting is on.
// Link allocation_counter only into test programs that use it: it replaces the
// global allocation functions.
void StartCountingAllocations();
// Stops counting and returns how many allocations and releases were seen.
int StopCountingAllocations();

// Counts what fn obtains or releases.
template <typename Fn>
int AllocationsDuring(Fn fn)
{
    StartCountingAllocations();
    fn();
    return StopCountingAllocations();
}
