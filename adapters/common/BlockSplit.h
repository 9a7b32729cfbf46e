#pragma once

#include <algorithm>

// Runs piece(offset, length) over consecutive pieces that cover a host block
// of frames samples: none longer than limit, and a new piece starting at each
// of the cuts (ascending sample offsets; those outside the block are passed
// over), so that what a host timed inside a block can apply where it falls.
// Stops when piece answers false; does nothing without a positive limit.
template <typename Piece>
void SplitBlock(int frames, int limit, const int* cuts, int cutCount, Piece piece)
{
    int next = 0;
    for (int done = 0; done < frames && limit > 0;) {
        while (next < cutCount && cuts[next] <= done)
            ++next;
        int length = std::min(frames - done, limit);
        if (next < cutCount)
            length = std::min(length, cuts[next] - done);
        if (!piece(done, length))
            return;
        done += length;
    }
}

template <typename Piece>
void SplitBlock(int frames, int limit, Piece piece)
{
    SplitBlock(frames, limit, nullptr, 0, piece);
}
