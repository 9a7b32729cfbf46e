#include "tools/hostwindow/HeadlessReference.h"

#include "graphics/Graphics.h"
#include "plugin/Sondrel.h"

struct HeadlessReference::Instance {
    Sondrel plugin;
};

HeadlessReference::HeadlessReference(int scalePercent) : instance(std::make_unique<Instance>())
{
    Graphics* editor = instance->plugin.Editor();
    if (editor && editor->SetScale(scalePercent))
        editor->Redraw({0, 0, editor->Width(), editor->Height()});
}

HeadlessReference::~HeadlessReference() = default;

const RasterBitmap* HeadlessReference::Picture() const
{
    const Graphics* editor = instance->plugin.Editor();
    return editor ? editor->Surface() : nullptr;
}
