#include "tools/hostwindow/HeadlessReference.h"

#include "graphics/Graphics.h"
#include "plugin/Sondrel.h"

struct HeadlessReference::Instance {
    Sondrel plugin;
};

HeadlessReference::HeadlessReference() : instance(std::make_unique<Instance>())
{
    if (Graphics* editor = instance->plugin.Editor())
        editor->Redraw({0, 0, editor->Width(), editor->Height()});
}

HeadlessReference::~HeadlessReference() = default;

const RasterBitmap* HeadlessReference::Picture() const
{
    const Graphics* editor = instance->plugin.Editor();
    return editor ? editor->Surface() : nullptr;
}
