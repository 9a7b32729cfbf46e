#pragma once

#include <memory>

class RasterBitmap;

// The editor as the headless platform draws it from the same sources, in its
// initial state, at a scale: what a host window must show once the editor has
// painted.
class HeadlessReference {
public:
    explicit HeadlessReference(int scalePercent = 100);
    ~HeadlessReference();
    HeadlessReference(const HeadlessReference&) = delete;
    HeadlessReference& operator=(const HeadlessReference&) = delete;

    const RasterBitmap* Picture() const;

private:
    struct Instance;
    std::unique_ptr<Instance> instance;
};
