#pragma once

#include <cstddef>
#include <vector>

class PluginBase;

// The host's channel pointers advanced to the piece of a block being
// processed. Sized before processing, so that pointing them allocates nothing.
template <typename Sample>
class PieceChannels {
public:
    void Resize(int count) { pointers.assign(static_cast<std::size_t>(count), nullptr); }

    // Points channels first to first + count - 1 at hosts[i] + offset; false
    // when the host left one of them out.
    bool Point(Sample* const* hosts, int first, int count, int offset)
    {
        if (!hosts)
            return count == 0;
        for (int i = 0; i < count; ++i) {
            if (!hosts[i])
                return false;
            pointers[static_cast<std::size_t>(first + i)] = hosts[i] + offset;
        }
        return true;
    }

    Sample* const* From(int first) const { return pointers.data() + first; }

private:
    std::vector<Sample*> pointers;
};

// The plug-in base's buffer operations for each host sample type: 32-bit
// buffers are converted into the 64-bit scratch buffers and back, 64-bit ones
// processed as they are.
void AttachHostInputs(PluginBase& plugin, float* const* buffers, int frames);
void AttachHostInputs(PluginBase& plugin, double* const* buffers, int frames);

// The equaliser's processing of the attached buffers.
template <typename Sample>
void RunAttached(PluginBase& plugin, int frames);
template <>
void RunAttached<float>(PluginBase& plugin, int frames);
template <>
void RunAttached<double>(PluginBase& plugin, int frames);
